// A damageable copy of the data tree.
#include "tests/data_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Folders made and not yet removed, with the process that made each. A
// death test's child makes its own copy and then ends the program with
// exit(), before any destructor runs: the copies it made go at its exit.
// A forked child's inherited entries are its parent's, left for the parent.
struct MadeFolder {
    pid_t owner;
    fs::path dir;
};
std::vector<MadeFolder>& made_folders() {
    static std::vector<MadeFolder> folders;
    return folders;
}

void remove_folders_of_this_process() {
    for (const MadeFolder& made : made_folders()) {
        std::error_code ignored;
        if (made.owner == getpid()) fs::remove_all(made.dir, ignored);
    }
}

void keep_track_of(const fs::path& dir) {
    // The list is made before the handler is registered, so that it is
    // destroyed only after the handler has run.
    std::vector<MadeFolder>& folders = made_folders();
    static const bool registered = std::atexit(remove_folders_of_this_process) == 0;
    (void)registered;
    folders.push_back({getpid(), dir});
}

void forget(const fs::path& dir) {
    std::vector<MadeFolder>& folders = made_folders();
    std::erase_if(folders, [&](const MadeFolder& made) { return made.dir == dir; });
}

}  // namespace

DataFolder::DataFolder() : home_(fs::current_path()) {
    char pattern[] = "/tmp/cloudpiercer-data-XXXXXX";
    dir_ = mkdtemp(pattern);
    keep_track_of(dir_);
    for (const char* sub : {"bmp", "story", "wav", "midi"}) {
        if (!fs::exists(home_ / sub)) continue;
        fs::create_directory(dir_ / sub);
        for (const auto& entry : fs::directory_iterator(home_ / sub)) {
            fs::create_symlink(entry.path(), dir_ / sub / entry.path().filename());
        }
    }
    fs::current_path(dir_);
}

DataFolder::~DataFolder() {
    fs::current_path(home_);
    fs::remove_all(dir_);
    forget(dir_);
}

std::vector<Uint8> DataFolder::original(const std::string& file) const {
    std::ifstream in(home_ / file, std::ios::binary);
    return std::vector<Uint8>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void DataFolder::write(const std::string& file, const std::vector<Uint8>& bytes) {
    remove(file);
    std::ofstream out(dir_ / file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void DataFolder::remove(const std::string& file) {
    fs::remove_all(dir_ / file);
}

void DataFolder::make_folder(const std::string& file) {
    remove(file);
    fs::create_directory(dir_ / file);
}

void DataFolder::make_named_pipe(const std::string& file) {
    remove(file);
    mkfifo((dir_ / file).c_str(), 0600);
}

void DataFolder::restore(const std::string& file) {
    remove(file);
    fs::create_symlink(home_ / file, dir_ / file);
}

ChildEnd run_in_child(const std::function<int()>& work, int timeout_ms) {
    int err[2];
    if (pipe(err) != 0) return {-1, "no pipe"};
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return {-1, "no fork"};
    if (child == 0) {
        dup2(err[1], STDERR_FILENO);
        close(err[0]);
        std::_Exit(work());
    }
    close(err[1]);
    fcntl(err[0], F_SETFL, O_NONBLOCK);
    ChildEnd end{-1, ""};
    auto drain = [&] {
        char buffer[512];
        for (ssize_t n; (n = read(err[0], buffer, sizeof buffer)) > 0;) end.errors.append(buffer, size_t(n));
    };
    constexpr int POLL_MS = 5;
    int status = 0;
    for (int waited = 0; waitpid(child, &status, WNOHANG) == 0; waited += POLL_MS) {
        drain();
        if (waited > timeout_ms) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            close(err[0]);
            return end;
        }
        usleep(POLL_MS * 1000);
    }
    drain();
    close(err[0]);
    if (WIFEXITED(status)) end.status = WEXITSTATUS(status);
    return end;
}

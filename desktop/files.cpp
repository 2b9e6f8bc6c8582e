// The player's files: paths under the XDG folders, whole-file reads, atomic
// replacement, and the `key = value` line format.
#include "desktop/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

// Our files are a few lines; anything bigger is not one of them.
constexpr size_t MAX_FILE_BYTES = 64 * 1024;
constexpr mode_t FOLDER_MODE = 0755;
constexpr mode_t FILE_MODE = 0644;

// mkdir -p for the folder that holds path.
bool make_parent_folders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), FOLDER_MODE) != 0 && errno != EEXIST) return false;
    }
    return true;
}

bool write_all(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

std::string trimmed(const std::string& s, size_t from, size_t to) {
    while (from < to && (s[from] == ' ' || s[from] == '\t' || s[from] == '\r')) ++from;
    while (to > from && (s[to - 1] == ' ' || s[to - 1] == '\t' || s[to - 1] == '\r')) --to;
    return s.substr(from, to - from);
}

}  // namespace

std::string player_file(const char* xdg_var, const char* home_fallback, const char* name) {
    std::string base;
    const char* xdg = std::getenv(xdg_var);
    const char* home = std::getenv("HOME");
    if (xdg && xdg[0] == '/') {
        base = xdg;
    } else if (home && home[0] == '/') {
        base = std::string(home) + "/" + home_fallback;
    } else {
        return "";
    }
    return base + "/cloudpiercer/" + name;
}

ReadResult read_small_file(const std::string& path, std::string* text) {
    text->clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? READ_MISSING : READ_UNREADABLE;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || text->size() + size_t(n) > MAX_FILE_BYTES) {
            close(fd);
            text->clear();
            return READ_UNREADABLE;
        }
        if (n == 0) break;
        text->append(buffer, size_t(n));
    }
    close(fd);
    return READ_OK;
}

bool write_file_atomically(const std::string& path, const std::string& text) {
    if (path.empty() || !make_parent_folders(path)) return false;
    // The new file sits beside the old one: a rename within one folder is
    // atomic, so a reader sees the old file or the new one, never half.
    const std::string fresh = path + ".new";
    const int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, FILE_MODE);
    if (fd < 0) return false;
    // A full disk shows here, in write, fsync or close, before the rename.
    bool ok = write_all(fd, text);
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(fresh.c_str(), path.c_str()) == 0;
    if (!ok) unlink(fresh.c_str());
    return ok;
}

LineKind next_setting_line(const std::string& text, size_t* pos, std::string* key, std::string* value) {
    size_t end = text.find('\n', *pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = trimmed(text, *pos, end);
    *pos = end < text.size() ? end + 1 : end;
    if (line.empty() || line[0] == '#') return LINE_BLANK;
    const size_t eq = line.find('=');
    if (eq == std::string::npos) return LINE_BAD;
    *key = trimmed(line, 0, eq);
    *value = trimmed(line, eq + 1, line.size());
    return key->empty() || value->empty() ? LINE_BAD : LINE_PAIR;
}

bool parse_number(const std::string& value, int min, int max, int* out) {
    if (value.empty() || value.size() > 9) return false;
    int n = 0;
    for (char c : value) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n < min || n > max) return false;
    *out = n;
    return true;
}

bool parse_switch(const std::string& value, bool* out) {
    for (const char* yes : {"yes", "true", "on", "1"}) {
        if (value == yes) return *out = true;
    }
    for (const char* no : {"no", "false", "off", "0"}) {
        if (value == no) {
            *out = false;
            return true;
        }
    }
    return false;
}

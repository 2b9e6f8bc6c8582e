// The player's folders of a test: a fresh HOME with the XDG folders inside,
// removed afterwards, and whole-file reads and writes in them.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tests/test_desktop_files.h"

namespace {

// A death test's child leaves through exit, past the destructors: its
// folders go when it ends.
std::vector<std::string> made_homes;
void remove_made_homes() {
    std::error_code ignored;
    for (const std::string& home : made_homes) std::filesystem::remove_all(home, ignored);
}

}  // namespace

PlayerFolders::PlayerFolders() {
    char name[] = "/tmp/cloudpiercer-home-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    root = name;
    if (made_homes.empty()) std::atexit(remove_made_homes);
    made_homes.push_back(root);
    setenv("HOME", root.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
}

PlayerFolders::~PlayerFolders() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string read_whole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_whole(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

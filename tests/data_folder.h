// A copy of the game's data tree in a temporary folder, made of links to the
// forged files, in which single files can be damaged; the test runs inside it
// and the original folder is restored afterwards.
#pragma once

#include <SDL.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// How a child process ended: its exit status, -1 when it was still running
// after the time allowed (it is then killed) or died of a signal; and what
// it wrote on standard error.
struct ChildEnd {
    int status;
    std::string errors;
};
// Runs the work in a forked child, which ends with the work's result unless
// the work ends the program itself. A hang inside a library cannot be ended
// from within the process: SDL turns the usual stop signals into quit events.
ChildEnd run_in_child(const std::function<int()>& work, int timeout_ms);

class DataFolder {
  public:
    DataFolder();
    ~DataFolder();
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    // The forged file's bytes (read through the link).
    std::vector<Uint8> original(const std::string& file) const;
    // Puts these bytes in the file's place; the link is replaced.
    void write(const std::string& file, const std::vector<Uint8>& bytes);
    void remove(const std::string& file);
    void make_folder(const std::string& file);
    void make_named_pipe(const std::string& file);
    // Puts the forged file back.
    void restore(const std::string& file);

  private:
    std::filesystem::path home_;
    std::filesystem::path dir_;
};

// The player's files: paths under the XDG folders, whole-file reads, atomic
// replacement through links, and the `key = value` line format.
#include "desktop/files.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Our files are a few lines; no hand-edited file comes near this.
constexpr off_t MAX_FILE_BYTES = off_t{1024} * 1024;
// XDG: the folders are the player's own.
constexpr mode_t FOLDER_MODE = 0700;
constexpr mode_t FILE_MODE = 0644;
// As many links in a row as the system itself follows.
constexpr int MAX_LINK_HOPS = 40;
// Names tried for a new file before giving up (each taken name is skipped).
constexpr int FRESH_NAME_TRIES = 100;
// Another game holding the folder is waited for this long, then written past.
constexpr int LOCK_TRIES = 100;
constexpr long LOCK_WAIT_NS = 10L * 1000 * 1000;

const char BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";

// mkdir -p for the folder that holds path.
bool make_parent_folders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), FOLDER_MODE) != 0 && errno != EEXIST) return false;
    }
    return true;
}

std::string folder_of(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file path leads to: links at its own name followed (a relative link
// is read from the link's folder), also to a file that is not there yet.
// False for a loop of links or one that cannot be read.
bool follow_links(const std::string& path, std::string* target) {
    std::string at = path;
    for (int hop = 0; hop <= MAX_LINK_HOPS; ++hop) {
        char link[PATH_MAX];
        const ssize_t n = readlink(at.c_str(), link, sizeof link);
        if (n < 0) {
            if (errno != EINVAL && errno != ENOENT) return false;
            *target = at;  // not a link (EINVAL) or nothing there (ENOENT)
            return true;
        }
        if (size_t(n) == sizeof link) return false;
        const std::string to(link, size_t(n));
        at = to[0] == '/' ? to : folder_of(at).append("/").append(to);
    }
    return false;
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

// The rename is only kept once the folder itself is on the disk.
void sync_folder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Replaces the plain file (or nothing) at target with text. The new file is
// made under a name that did not exist (O_EXCL, and no link followed), so
// whatever was left beside it (a pipe, a link, another game's new file) is
// never opened. A rename within one folder is atomic: a reader sees the old
// file or the new one, never half.
bool replace_file(const std::string& target, const std::string& text) {
    static unsigned fresh_count = 0;  // names this run has used
    struct stat old {};
    const bool existed = lstat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return false;
    std::string fresh;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < FRESH_NAME_TRIES; ++attempt) {
        fresh = target + ".new-" + std::to_string(getpid()) + "-" + std::to_string(++fresh_count);
        fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, FILE_MODE);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    // A full disk shows here, in write, fsync or close, before the rename.
    bool ok = write_all(fd, text);
    if (existed) ok = fchmod(fd, old.st_mode & 0777) == 0 && ok;  // as the player had it
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(fresh.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(fresh.c_str());
        return false;
    }
    sync_folder(folder_of(target));
    return true;
}

// Holds the folder against other games replacing a file in it (the lock
// goes with the descriptor). A game that never lets go delays this one by a
// second at most; it does not stop it. -1 when the folder cannot be opened.
int hold_folder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    for (int attempt = 0; attempt < LOCK_TRIES; ++attempt) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) break;
        if (errno != EWOULDBLOCK && errno != EINTR) break;  // a file system without locks
        const timespec wait{0, LOCK_WAIT_NS};
        nanosleep(&wait, nullptr);
    }
    return fd;
}

std::string trimmed(const std::string& s, size_t from, size_t to) {
    while (from < to && (s[from] == ' ' || s[from] == '\t' || s[from] == '\r')) ++from;
    while (to > from && (s[to - 1] == ' ' || s[to - 1] == '\t' || s[to - 1] == '\r')) --to;
    return s.substr(from, to - from);
}

// Length of the UTF-8 character at text[i] when it is a well-formed one that
// prints (not a C1 control, U+0080..U+009F); 0 otherwise.
size_t printable_utf8_length(const std::string& text, size_t i) {
    const auto byte = [&](size_t k) { return k < text.size() ? (unsigned char)text[k] : 0u; };
    const unsigned lead = byte(i);
    size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        if (lead == 0xC2) low = 0xA0;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return length;
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

ReadResult read_small_file(const std::string& path, std::string* text, std::string* why) {
    text->clear();
    const auto unreadable = [why](const char* reason) {
        if (why) *why = reason;
        return READ_UNREADABLE;
    };
    // Looked at before it is opened: opening a device can do things of its
    // own, and a named pipe without a writer would wait for one.
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return READ_MISSING;  // also a link to nothing
        return unreadable(std::strerror(errno));
    }
    if (S_ISDIR(st.st_mode)) return unreadable("a folder");
    if (!S_ISREG(st.st_mode)) return unreadable("not a plain file");
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? READ_MISSING : unreadable(std::strerror(errno));
    // What was opened may not be what was looked at a moment before.
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return unreadable("not a plain file");
    }
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || off_t(text->size()) + n > MAX_FILE_BYTES) {
            const int error = errno;
            close(fd);
            text->clear();
            return unreadable(n < 0 ? std::strerror(error) : "over 1 MiB");
        }
        if (n == 0) break;
        text->append(buffer, size_t(n));
    }
    close(fd);
    // Some editors start a UTF-8 file with a byte-order mark.
    if (text->compare(0, 3, BYTE_ORDER_MARK) == 0) text->erase(0, 3);
    return READ_OK;
}

bool write_file_atomically(const std::string& path, const std::string& text) {
    std::string target;
    if (path.empty() || !make_parent_folders(path) || !follow_links(path, &target)) return false;
    return replace_file(target, text);
}

bool update_file_atomically(const std::string& path,
                            const std::function<std::string(const std::string&)>& make) {
    std::string target;
    if (path.empty() || !make_parent_folders(path) || !follow_links(path, &target)) return false;
    const int held = hold_folder(folder_of(target));
    std::string now;
    const bool ok = read_small_file(target, &now) != READ_UNREADABLE && replace_file(target, make(now));
    if (held >= 0) close(held);  // lets the next game in
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

bool same_key(const std::string& key, const char* name) {
    size_t i = 0;
    for (; i < key.size() && name[i]; ++i) {
        const char a = key[i] >= 'A' && key[i] <= 'Z' ? char(key[i] - 'A' + 'a') : key[i];
        if (a != name[i]) return false;
    }
    return i == key.size() && !name[i];
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

std::string printable(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = (unsigned char)text[i];
        if (c >= 0x20 && c < 0x7F) {
            out += char(c);
            ++i;
            continue;
        }
        if (const size_t length = printable_utf8_length(text, i)) {
            out.append(text, i, length);
            i += length;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
        out += escaped;
        ++i;
    }
    return out;
}

// A fresh folder for the player's files, with HOME and the XDG folders
// pointed into it so no test ever reads or writes the real home.
#pragma once

#include <string>

struct PlayerFolders {
    PlayerFolders();
    ~PlayerFolders();
    std::string root;  // HOME; XDG_CONFIG_HOME and XDG_DATA_HOME lie inside
    std::string settings() const { return root + "/config/cloudpiercer/settings"; }
    std::string scores() const { return root + "/data/cloudpiercer/scores"; }
};

std::string read_whole(const std::string& path);
void write_whole(const std::string& path, const std::string& text);

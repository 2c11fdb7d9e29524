// A test with its own base folder: Data/ holds the player's files, the log goes
// to the folder, and the game state starts from its defaults.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>

#include "game/game_state.h"
#include "game/flow/settings.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "test_support.h"

class DataFolderTest : public ::testing::Test {
protected:
    TempDir dir;
    void SetUp() override {
        SetBaseFolder(dir.path);
        std::filesystem::create_directory(dir.path + "Data");
        SetPlayerFolder(dataFolder);
        OpenLogFile(dir.path + "log.txt");
        ResetGameState();
        SetDefaultSettings();
    }
    void TearDown() override {
        SetPlayerFolder("");
        OpenLogFile("/dev/null");
    }
};

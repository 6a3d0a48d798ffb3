// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for another copy of the program, for tests that need two processes on one units
// database. It edits as the preferences window does (reads what it shows, keeps its edits,
// writes them back with what it read) and answers each command on its own line of stdin with
// one line: "ok", "changed", "busy", "held" or "error", then a blank and the message.
//
//   open <group>          read the group list and the group
//   add <unit> <factor>   append a unit to the group shown
//   rename <old> <new>    rename a group (its files and its line in the list)
//   choose <group>        write the group shown, then show another
//   save                  write the list and the group shown
//   hold / release        take the folder's lock and keep it, or let it go
//   delete <file>         remove a file of the folder, as another program may
// Fields are separated by tabs. The folder is the first argument.

#include "core/unitsdatabase.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>

using namespace quorvel;

namespace {

class Copy {
public:
    explicit Copy(const std::string& folder) : database_(folder), folder_(folder) {}

    std::string Run(const std::vector<std::string>& command) {
        const std::string& verb = command.at(0);
        if (verb == "open") {
            seen_.Clear();
            groups_ = database_.ReadGroupList(&seen_);
            Show(command.at(1));
        } else if (verb == "add") {
            units_.push_back({command.at(1), command.at(2)});
        } else if (verb == "rename") {
            database_.RenameGroup(command.at(1), command.at(2), &seen_);
            std::replace(groups_.begin(), groups_.end(), command.at(1), command.at(2));
            if (shown_ == command.at(1))
                shown_ = command.at(2);
        } else if (verb == "choose") {
            database_.WriteGroupUnits(shown_, units_, &seen_);
            Show(command.at(1));
        } else if (verb == "save") {
            database_.WriteGroupListAndUnits(groups_, shown_, units_, &seen_);
        } else if (verb == "hold") {
            lock_ = std::make_unique<fileio::Folder>(folder_);
            lock_->Lock();
            return "held";
        } else if (verb == "release") {
            lock_.reset();
        } else if (verb == "delete") {
            std::filesystem::remove(std::filesystem::path(folder_) / command.at(1));
        }
        return "ok";
    }

private:
    void Show(const std::string& group) {
        shown_ = group;
        units_ = database_.LoadGroup(group, &seen_);
    }

    UnitsDatabase database_;
    std::string folder_;
    ReadSnapshot seen_;
    std::vector<std::string> groups_;
    std::string shown_;
    std::vector<Unit> units_;
    std::unique_ptr<fileio::Folder> lock_;
};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <folder>\n";
        return 2;
    }
    Copy copy(argv[1]);
    for (std::string line; std::getline(std::cin, line);) {
        std::string answer;
        try {
            answer = copy.Run(Fields(line));
        } catch (const EDatabaseChanged& error) {
            answer = std::string("changed ") + error.what();
        } catch (const EDatabaseBusy& error) {
            answer = std::string("busy ") + error.what();
        } catch (const std::exception& error) {
            answer = std::string("error ") + error.what();
        }
        std::cout << answer << std::endl;
    }
    return 0;
}

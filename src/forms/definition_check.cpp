// SPDX-License-Identifier: MIT
#include "forms/definition_check.h"

#include <cstddef>
#include <map>
#include <set>
#include <string_view>

#include "forms/picture_lists.h"

namespace forms {

namespace {

std::string quoted(std::string_view text) {
    std::string result = "'";
    result.append(text);
    result += '\'';
    return result;
}

std::string describe(const ControlDefinition& control) {
    std::string result = quoted(control.name);
    if (control.index >= 0) {
        result += '(' + std::to_string(control.index) + ')';
    }
    return result;
}

void checkParents(std::span<const ControlDefinition> controls, std::vector<std::string>& problems) {
    // First position of each name; a parent must be a frame that comes before its child.
    std::map<std::string_view, std::size_t> firstPosition;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        firstPosition.try_emplace(controls[i].name, i);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDefinition& control = controls[i];
        if (control.parent.empty()) {
            if (control.kind == ControlKind::ImageList) {
                problems.emplace_back("image list " + describe(control) + " is not inside a frame");
            }
            continue;
        }
        const auto found = firstPosition.find(control.parent);
        if (found == firstPosition.end()) {
            problems.emplace_back("control " + describe(control) + " names parent " +
                                  quoted(control.parent) + ", which is no control of the window");
            continue;
        }
        if (controls[found->second].kind != ControlKind::Frame) {
            problems.emplace_back("control " + describe(control) + " names parent " +
                                  quoted(control.parent) + ", which is not a frame");
        }
        if (found->second > i) {
            problems.emplace_back("control " + describe(control) + " comes before its parent " +
                                  quoted(control.parent));
        }
    }
}

void checkNames(std::span<const ControlDefinition> controls, std::vector<std::string>& problems) {
    struct Uses {
        int single = 0;
        std::set<int> indexes;
        std::set<int> repeatedIndexes;
    };
    std::map<std::string_view, Uses> uses;
    std::vector<std::string_view> order; // report in definition order
    for (const ControlDefinition& control : controls) {
        auto [entry, inserted] = uses.try_emplace(control.name);
        if (inserted) {
            order.push_back(control.name);
        }
        if (control.index < 0) {
            ++entry->second.single;
        } else if (!entry->second.indexes.insert(control.index).second) {
            entry->second.repeatedIndexes.insert(control.index);
        }
    }
    for (std::string_view name : order) {
        const Uses& use = uses.at(name);
        if (name.empty()) {
            problems.emplace_back("a control has no name");
        } else if (use.single > 1) {
            problems.emplace_back("control name " + quoted(name) + " is used " +
                                  std::to_string(use.single) + " times");
        }
        if (use.single > 0 && !use.indexes.empty()) {
            problems.emplace_back("control name " + quoted(name) +
                                  " is used both by a control array and by a single control");
        }
        for (int index : use.repeatedIndexes) {
            problems.emplace_back("control array " + quoted(name) + " repeats index " +
                                  std::to_string(index));
        }
    }
}

void checkTabIndexes(std::span<const ControlDefinition> controls,
                     std::vector<std::string>& problems) {
    std::map<int, const ControlDefinition*> owner;
    for (const ControlDefinition& control : controls) {
        if (control.tabIndex < 0) {
            continue;
        }
        const auto [entry, inserted] = owner.try_emplace(control.tabIndex, &control);
        if (!inserted) {
            problems.emplace_back("tab index " + std::to_string(control.tabIndex) + " of " +
                                  describe(control) + " is already taken by " +
                                  describe(*entry->second));
        }
    }
}

void checkPictures(std::span<const ControlDefinition> controls,
                   std::vector<std::string>& problems) {
    for (const ControlDefinition& control : controls) {
        const bool holdsPicture =
            control.kind == ControlKind::PictureBox || control.kind == ControlKind::Image;
        if (!holdsPicture && control.kind != ControlKind::ImageList) {
            continue;
        }
        const std::size_t listSize = picturesNamed(control.picture).size();
        if (listSize == 0) {
            if (holdsPicture && (control.picture.empty() || control.picture.starts_with(":/")))
                continue;
            problems.emplace_back("control " + describe(control) + " names picture " +
                                  quoted(control.picture) +
                                  ", which is neither \"signs\", \"colors\" nor a \":/\" resource");
            continue;
        }
        const auto position = static_cast<std::size_t>(control.pictureIndex);
        if (holdsPicture && (control.pictureIndex < 1 || position > listSize)) {
            problems.emplace_back("control " + describe(control) + " shows item " +
                                  std::to_string(control.pictureIndex) + " of " +
                                  quoted(control.picture) + ", which holds " +
                                  std::to_string(listSize));
        }
    }
}

void checkMenu(std::span<const MenuItemDefinition> items, std::set<std::string_view>& seen,
               std::vector<std::string>& problems) {
    for (const MenuItemDefinition& item : items) {
        if (!seen.insert(item.name).second) {
            problems.emplace_back("menu item name " + quoted(item.name) +
                                  " is used more than once");
        }
        checkMenu(item.children, seen, problems);
    }
}

} // namespace

std::vector<std::string> definitionProblems(const WindowDefinition& definition) {
    std::vector<std::string> problems;
    checkParents(definition.controls, problems);
    checkNames(definition.controls, problems);
    checkTabIndexes(definition.controls, problems);
    checkPictures(definition.controls, problems);
    std::set<std::string_view> menuNames;
    checkMenu(definition.menu, menuNames, problems);
    for (std::string& problem : problems) {
        problem.insert(0, std::string(definition.name) + ": ");
    }
    return problems;
}

} // namespace forms

// SPDX-License-Identifier: MIT
// Writes the bash completion of kv-dwellstar from the table of its options:
//   dwellstar_completion <output file> <language code>...

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "app/options.h"

namespace {

using app::options::Value;

/// What bash offers after an option that takes a value of each kind; nothing for free text.
std::string offer(Value value, const std::string& languages) {
    switch (value) {
    case Value::Language:
        return "            COMPREPLY=($(compgen -W '" + languages + "' -- \"$cur\"))\n";
    case Value::ReadingFile:
        return "            compopt -o filenames 2>/dev/null\n"
               "            COMPREPLY=($(compgen -f -X '!*.@(pdf|png|txt|PDF|PNG|TXT)' -- \"$cur\")"
               " $(compgen -d -- \"$cur\"))\n";
    case Value::Contacts:
        return "            compopt -o filenames 2>/dev/null\n"
               "            COMPREPLY=($(compgen -f -X '!*.@(vcf|vcard|VCF|VCARD)' -- \"$cur\")"
               " $(compgen -d -- \"$cur\"))\n";
    case Value::Calendar:
        return "            compopt -o filenames 2>/dev/null\n"
               "            COMPREPLY=($(compgen -f -X '!*.@(ics|ICS)' -- \"$cur\")"
               " $(compgen -d -- \"$cur\"))\n";
    case Value::Text:
    case Value::None:
        break;
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: dwellstar_completion <output file> <language code>...\n", stderr);
        return 2;
    }
    std::string languages;
    for (int i = 2; i < argc; ++i)
        languages.append(languages.empty() ? "" : " ").append(argv[i]);
    std::string words;
    std::map<Value, std::string> takers;
    for (const app::options::Option& option : app::options::kOptions) {
        const std::string longName = "--" + std::string(option.longName);
        std::string names = longName;
        if (option.shortName != 0)
            names.insert(0, std::string{'-', option.shortName, '|'});
        words.append(words.empty() ? "" : " ").append(longName);
        if (option.valueName) {
            std::string& taking = takers[option.value];
            taking.append(taking.empty() ? "" : "|").append(names);
        }
    }
    std::ofstream out(argv[1]);
    out << "# SPDX-License-Identifier: MIT\n"
           "# bash completion for kv-dwellstar, written from the program's table of options\n\n"
           "_kv_dwellstar() {\n"
           "    local cur prev\n"
           "    cur=${COMP_WORDS[COMP_CWORD]}\n"
           "    prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "    case $prev in\n";
    for (const auto& [value, names] : takers)
        out << "        " << names << ")\n" << offer(value, languages) << "            return ;;\n";
    out << "    esac\n"
           "    COMPREPLY=($(compgen -W '"
        << words
        << "' -- \"$cur\"))\n"
           "}\n"
           "complete -F _kv_dwellstar kv-dwellstar\n";
    out.close();
    return out ? 0 : 1;
}

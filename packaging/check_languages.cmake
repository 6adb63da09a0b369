# SPDX-License-Identifier: MIT
# cmake -DFILE=<merged file> -DMARK=<text with @ for the language> -DLANGUAGES=<list> -P ...
# Fails unless the file carries MARK for every language.
file(READ "${FILE}" content)
foreach(language IN LISTS LANGUAGES)
    string(REPLACE "@" "${language}" wanted "${MARK}")
    string(FIND "${content}" "${wanted}" at)
    if(at EQUAL -1)
        file(REMOVE "${FILE}")
        message(FATAL_ERROR "${FILE} carries no ${wanted}: is po/${language}.po complete?")
    endif()
endforeach()

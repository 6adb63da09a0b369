# SPDX-License-Identifier: MIT
# cmake -DFILE=<merged file> -DMARK=<text with @ for the language> -DLANGUAGES=<list> -P ...
# Fails unless the file carries MARK for every language, named as gettext names it ("pt_BR") or
# as newer versions of msgfmt --xml do ("pt-BR").
file(READ "${FILE}" content)
foreach(language IN LISTS LANGUAGES)
    string(REPLACE "_" "-" tag "${language}")
    string(REPLACE "@" "${language}" wanted "${MARK}")
    string(REPLACE "@" "${tag}" wanted_tag "${MARK}")
    string(FIND "${content}" "${wanted}" at)
    string(FIND "${content}" "${wanted_tag}" at_tag)
    if(at EQUAL -1 AND at_tag EQUAL -1)
        file(REMOVE "${FILE}")
        message(FATAL_ERROR "${FILE} carries no ${wanted}: is po/${language}.po complete?")
    endif()
endforeach()

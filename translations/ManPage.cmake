cmake_minimum_required(VERSION 3.25)
# Writes OUT, the English manual page PAGE translated by the PO file PO, and
# fails unless every paragraph is translated (a fuzzy one is not) and OUT has
# the sections, subsections and tagged paragraphs of PAGE in the same order,
# with the same tags.

# po4a-translate says on stdout that it is deprecated: show it only with an error.
execute_process(COMMAND "${PO4A_TRANSLATE}" -f man -m "${PAGE}" -M UTF-8 -p "${PO}" -l "${OUT}"
                        -L UTF-8 -k 100
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS "${OUT}")
    message(FATAL_ERROR "${PO}: a paragraph of ${PAGE} untranslated or fuzzy?\n${output}")
endif()

# The page's outline: .SH, .SS, and .TP with its tag (a key, a variable or a
# file, the same in every language), bare of fonts and quotes.
function(outline file out)
    file(READ "${file}" text)
    string(REGEX MATCHALL "\n\\.(SH|SS|TP[^\n]*\n[^\n]*)" found "\n${text}")
    list(TRANSFORM found REPLACE "^\n\\.(SH|SS).*" "\\1")
    list(TRANSFORM found REPLACE "^\n\\.TP[^\n]*\n(\\.[BI]R? )?" "TP ")
    list(TRANSFORM found REPLACE "\\\\f[BIRP]|[\" ]" "")
    set(${out} "${found}" PARENT_SCOPE)
endfunction()
outline("${PAGE}" english)
outline("${OUT}" translated)
if(NOT translated STREQUAL english)
    file(REMOVE "${OUT}")
    message(FATAL_ERROR "${PO} gives ${translated} where ${PAGE} has ${english}")
endif()

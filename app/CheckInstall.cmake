cmake_minimum_required(VERSION 3.25)
# Installs the build into a scratch prefix and checks that the program, its
# menu entry and its icon land where a desktop looks for them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/series-calc share/applications/series-calc.desktop
             share/icons/hicolor/32x32/apps/series-calc.png)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/series-calc.desktop" entry)
foreach(line "Exec=series-calc" "Icon=series-calc" "Type=Application")
    if(NOT line IN_LIST entry)
        message(FATAL_ERROR "series-calc.desktop lacks ${line}")
    endif()
endforeach()

cmake_minimum_required(VERSION 3.25)
# Installs the build into a scratch prefix and checks that the programs, the
# menu entry, its icons, the metainfo and the manual pages land where a desktop
# and man look for them, and the convergence window's module where the program
# loads it from.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(files bin/series-calc bin/series-table share/applications/${ID}.desktop
          share/metainfo/${ID}.metainfo.xml share/icons/hicolor/scalable/apps/${ID}.svg
          share/man/man1/series-calc.1.gz share/man/man1/series-table.1.gz
          share/man/uk/man1/series-calc.1.gz share/man/ru/man1/series-calc.1.gz
          ${MODULE})
foreach(size 16 24 32 48 64 128 256)
    list(APPEND files share/icons/hicolor/${size}x${size}/apps/${ID}.png)
endforeach()
foreach(file IN LISTS files)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/${ID}.desktop" entry)
foreach(line "Exec=series-calc" "Icon=${ID}" "Type=Application")
    if(NOT line IN_LIST entry)
        message(FATAL_ERROR "${ID}.desktop lacks ${line}")
    endif()
endforeach()

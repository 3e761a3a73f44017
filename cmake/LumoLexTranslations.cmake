# The interface in English: translations/lumolex_en.ts (Russian source texts,
# kept current by scripts/update-translations) is compiled by lrelease into
# bin/translations/lumolex_en.qm, where the program and lumolex-cli find it
# beside DATA/; the install puts it into the shared folder's translations/.
# The tools' own texts are English, and their Russian is
# translations/lumolex-tools_ru.ts, compiled beside it into
# lumolex-tools_ru.qm.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(LUMOLEX_TS_FILES ${PROJECT_SOURCE_DIR}/translations/lumolex_en.ts
                     ${PROJECT_SOURCE_DIR}/translations/lumolex-tools_ru.ts)
set_source_files_properties(${LUMOLEX_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/bin/translations)
qt_add_lrelease(lumolex TS_FILES ${LUMOLEX_TS_FILES} OPTIONS -silent QM_FILES_OUTPUT_VARIABLE LUMOLEX_QM_FILES)
foreach(tool lumolex-cli lumolex-mkdata)
  if(TARGET ${tool} AND TARGET lumolex_lrelease)
    add_dependencies(${tool} lumolex_lrelease)
  endif()
endforeach()

# Fails when a text of the sources has no finished English translation: run by CTest with
# LUPDATE, LRELEASE, SOURCES (the folder of the texts), TS (the translations) and WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${TS} ${WORK}/kestrum.ts)
execute_process(COMMAND ${LUPDATE} -locations none -no-obsolete ${SOURCES} -ts ${WORK}/kestrum.ts
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(failed)
  message(FATAL_ERROR "lupdate failed:\n${out}${err}")
endif()
execute_process(COMMAND ${LRELEASE} ${WORK}/kestrum.ts -qm ${WORK}/kestrum.qm
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(failed OR NOT out MATCHES "\\([0-9]+ finished and 0 unfinished\\)" OR out MATCHES "untranslated")
  file(READ ${WORK}/kestrum.ts ts)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" missing "${ts}")
  string(REGEX REPLACE "</source>[ \n]*<translation type=\"unfinished\"" "</source>" missing "${missing}")
  string(REPLACE ";" "\n" missing "${missing}")
  message(FATAL_ERROR "English translations unfinished; run the update_translations target, "
                      "then translate in translations/kestrum_en.ts:\n${missing}")
endif()

# Fails when the English translation lacks a text of the windows, keeps a text
# they no longer have, or has one unfinished: lupdate over the sources into a
# copy of the .ts must change nothing.
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -P translations_complete.cmake
set(ts ${SOURCE_DIR}/translations/ronrilab_en.ts)
set(copy ${WORK_DIR}/translations_check_en.ts)
file(COPY_FILE ${ts} ${copy})
execute_process(
  COMMAND ${LUPDATE} -I ${SOURCE_DIR} -locations none -no-obsolete -source-language ja
          -target-language en ${SOURCE_DIR}/ui -ts ${copy}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${out}${err}")
endif()
file(READ ${copy} updated)
string(REGEX MATCHALL "<source>[^<]*</source>\n[ ]*<translation type=\"unfinished\"" missing
  "${updated}")
if(missing)
  string(REGEX REPLACE "</source>[^;]*" "" missing "${missing}")
  string(REPLACE "<source>" "\n  " missing "${missing}")
  message(FATAL_ERROR "Texts without an English translation:${missing}\n"
    "Run the target update_translations and translate them in ${ts}.")
endif()
file(READ ${ts} committed)
if(NOT committed STREQUAL updated)
  message(FATAL_ERROR "${ts} is not up to date with the sources (texts added or gone):\n${out}"
    "Run the target update_translations.")
endif()
message(STATUS "Every text has its English translation.\n${out}")

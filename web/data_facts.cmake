# Writes the page's facts about its data (a --pre-js): where the preloaded data lies, and when it was made.
# cmake -DFOLDER=/usr/share/games/vorlaine -DSTAMP=<data>/.content-stamp -DOUT=<file> -P data_facts.cmake
file(TIMESTAMP "${STAMP}" made "%s" UTC)
if(NOT made)
  message(FATAL_ERROR "${STAMP} is missing: build the native program folder first")
endif()
file(WRITE "${OUT}.new"
  "// Made by the web build (web/data_facts.cmake): where the page's data lies and when it was generated.\n"
  "Module.vorlaineDataFolder = '${FOLDER}';\n"
  "Module.vorlaineDataTime = ${made};\n")
file(RENAME "${OUT}.new" "${OUT}")

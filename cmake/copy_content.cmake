# Copies a generated program folder's data into this build's program folder, leaving its executable out.
# cmake -DFROM=<folder> -DTO=<folder> -P copy_content.cmake
if(NOT EXISTS "${FROM}/manifest.txt")
  message(FATAL_ERROR "${FROM} holds no generated content (no manifest.txt); build it first")
endif()
# Unchanged files keep their time stamps, so a second copy only touches what the generator rewrote.
file(COPY "${FROM}/" DESTINATION "${TO}"
     PATTERN "vorlaine" EXCLUDE
     PATTERN ".content-stamp" EXCLUDE
     PATTERN ".vorlaine.lock" EXCLUDE)

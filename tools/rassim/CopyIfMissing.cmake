# Copies SRC to DST unless DST exists, so that a phonebook the stand-in has
# written to (stored user names and passwords) survives rebuilds.
if(NOT EXISTS "${DST}")
  configure_file("${SRC}" "${DST}" COPYONLY)
endif()

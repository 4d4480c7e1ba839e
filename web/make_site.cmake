# Copies the page into the site folder and writes its service worker: the list of every file, and a
# version that changes whenever any of their bytes do.
file(GLOB page RELATIVE ${SOURCE} ${SOURCE}/*.html ${SOURCE}/*.js ${SOURCE}/*.css ${SOURCE}/*.webmanifest)
foreach(name ${page})
  configure_file(${SOURCE}/${name} ${SITE}/${name} COPYONLY)
endforeach()
configure_file(${ICON} ${SITE}/nuboro.svg COPYONLY)

# Recursively: the program's own files (the sample figure) sit in folders of their own.
file(GLOB_RECURSE served LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM served sw.js)
list(SORT served)
set(digests "")
set(SITE_FILES "'./'")
foreach(name ${served})
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND digests "${name} ${digest}\n")
  string(APPEND SITE_FILES ", './${name}'")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 SITE_VERSION)
configure_file(${SOURCE}/sw.js.in ${SITE}/sw.js @ONLY)

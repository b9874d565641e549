# Writes SITE/sw.js from TEMPLATE: the list of the build's files, FILES
# (comma-separated, as the build names them, so nothing else in the folder
# is shipped), and a cache name made from their content, so each new build
# replaces the old cache and an unchanged one keeps it.
# Usage: cmake -DSITE=dir -DFILES=a,b -DTEMPLATE=sw.js.in -P write_service_worker.cmake
string(REPLACE "," ";" files "${FILES}")
list(SORT files)
set(digests "")
set(FILES "'./'")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND FILES ", '${file}'")
endforeach()
string(SHA256 hash "${digests}")
string(SUBSTRING ${hash} 0 16 CONTENT_HASH)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)

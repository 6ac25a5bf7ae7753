# Builds the Debian package as a user would (cpack -G DEB) and holds it to Debian's own checks:
# lintian without an error or a warning, and the files where a Debian game keeps them.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND cpack -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${WORK}"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB debs "${WORK}/*.deb")
if(NOT code EQUAL 0 OR NOT debs)
  message(FATAL_ERROR "cpack -G DEB failed: ${out}${err}")
endif()
list(GET debs 0 deb)

execute_process(COMMAND lintian --fail-on error,warning --tag-display-limit 0 "${deb}"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian: exit ${code}\n${out}${err}")
endif()

execute_process(COMMAND dpkg-deb -c "${deb}" OUTPUT_VARIABLE listing RESULT_VARIABLE code)
foreach(path ./usr/games/kalmotre ./usr/games/kalmotre-gen ./usr/share/man/man6/kalmotre.6.gz
        ./usr/share/man/man6/kalmotre-gen.6.gz ./usr/share/doc/kalmotre/copyright
        ./usr/share/doc/kalmotre/changelog.gz)
  string(FIND "${listing}" " ${path}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${path}:\n${listing}")
  endif()
endforeach()
execute_process(COMMAND dpkg-deb -f "${deb}" Recommends OUTPUT_VARIABLE recommends)
if(NOT recommends MATCHES "qt6-wayland" OR NOT recommends MATCHES "xdg-utils")
  message(FATAL_ERROR "Recommends: ${recommends}")
endif()

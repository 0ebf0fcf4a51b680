# Installation layout and the Debian package.
include(GNUInstallDirs)

set(CORVANE_APP_ID org.corvane.Corvane)

foreach(program corvane corvane-render)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES packaging/${CORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${CORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 48 128 256)
  set(icon ${PROJECT_SOURCE_DIR}/resources/icons/corvane-${size}.png)
  if(EXISTS ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${CORVANE_APP_ID}.png)
  endif()
endforeach()

# Manual pages and the changelog are installed compressed, as Debian expects.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed)
foreach(page corvane.1 corvane-render.1)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/docs/man/${page} > ${out}
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page} VERBATIM)
  install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  list(APPEND compressed ${out})
endforeach()
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
list(APPEND compressed ${changelog})
add_custom_target(corvane_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${changelog} packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "The Corvane developers")
set(CPACK_PACKAGE_CONTACT "The Corvane developers <developers@corvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random one-shot percussive and tonal sound generator")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://corvane.org/)
# CPack puts the summary on the first line and indents this text beneath it; an empty line
# becomes the paragraph separator " .".
set(CPACK_PACKAGE_DESCRIPTION
"Corvane invents one-second sounds at random. Each press of its Next! panel
synthesises a new sound from one of twelve randomised voices (FM operators,
noise-excited feedback loops, nonlinear springs, swept oscillators and stacks
of them), shows it as a shimmering trace, plays it and saves it as a 16-bit
WAV file on request.

Every sound is named by a 32-bit state; corvane-render turns a state back
into the same samples, bit for bit, one at a time or in batches.")
include(CPack)

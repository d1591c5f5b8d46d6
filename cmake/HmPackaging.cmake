# `cpack -G DEB` in a Release build gives hollymoor_<version>_<arch>.deb with the programs, the
# help pages, the desktop entry, icon, AppStream metadata and translations. The library
# dependencies come from dpkg-shlibdeps, so they match what the build machine linked against.
set(CPACK_PACKAGE_NAME hollymoor)
set(CPACK_PACKAGE_VENDOR "The Hollymoor developers")
set(CPACK_PACKAGE_CONTACT "The Hollymoor developers <hollymoor@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Secret Santa gift exchange organiser")
# Lines of at most 79 characters: lintian counts the leading space of the control file.
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps a roster of participants with gift suggestions, draws who gives to whom\n"
    "while respecting exclusions, and e-mails every giver the person they give to,\n"
    "through an SMTP server or the system mailer, so the organiser never sees the\n"
    "result. Comes with a command-line program for scripted drawings.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${HOLLYMOOR_HOME_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Sending through the system mailer needs one; TLS needs the system's authorities.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ca-certificates, qt6-translations-l10n, default-mta | mail-transport-agent | msmtp-mta")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "msmtp")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# The Debian package: `cpack -G DEB` in the build folder packs what
# `cmake --install` lays out, under /usr. dpkg-shlibdeps computes the
# dependencies from the installed programs and modules.
# The project has no mail address yet: the maintainer here and in
# docs/debian/changelog is a placeholder (lintian's bogus-mail-host).
set(maintainer "corvatrix developers <corvatrix@localhost>")

set(CPACK_PACKAGE_NAME corvatrix)
set(CPACK_PACKAGE_VENDOR "the corvatrix developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "exports modelling scenes as UnrealEd levels
corvatrix turns a JSON scene of boxes, meshes, lights, movers, triggers and
game actors into a level for the Unreal engine's level editor: a T3D map, one
ASE file per static mesh and an EXEC script of editor console commands that
imports them. It is a small host with three plug-in modules (the exporter,
the Actor and Trigger helper objects, the Unreal modifiers), the corvatrix
command-line program and the Actor Builder (actorbuilder), which writes the
actor definitions that the Actor helper offers as classes.")

include(CPack)

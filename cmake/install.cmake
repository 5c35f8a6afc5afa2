# Install rules: the two libraries with their soname links, the headers, a relocatable CMake
# package (rukm::rukm, rukm::rukcore), pkg-config files, the documents, and a Debian package
# of all of it (cpack -G DEB).
include(CMakePackageConfigHelpers)

set(RUKM_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/rukm)

install(TARGETS rukm rukcore EXPORT rukmTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES include/rukm.h include/rukcore.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT rukmTargets NAMESPACE rukm:: DESTINATION ${RUKM_CMAKE_DIR})

configure_package_config_file(cmake/rukmConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/rukmConfig.cmake
                              INSTALL_DESTINATION ${RUKM_CMAKE_DIR})
# 5.x serves any request for 5.0 up to this version; 6 will not.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/rukmConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/rukmConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/rukmConfigVersion.cmake
        DESTINATION ${RUKM_CMAKE_DIR})

# pkg-config files name the prefix the tree is installed under, which `cmake --install
# --prefix` may choose after configuring: the prefix is filled in when installing.
set(RUKM_PC_PREFIX "@RUKM_PC_PREFIX@")  # stays a placeholder until installing
foreach(dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(RUKM_PC_${dir} "${CMAKE_INSTALL_${dir}}")
  else()
    set(RUKM_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(RUKM_PC_DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
else()
  set(RUKM_PC_DESTINATION "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig")
endif()
foreach(pc rukm rukcore)
  configure_file(cmake/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/${pc}.pc.in @ONLY)
endforeach()
configure_file(cmake/install_pc.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/install_pc.cmake @ONLY)
install(SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/install_pc.cmake)

install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package: one package with the runtime libraries and everything needed to build
# against them, installed under /usr.
set(CPACK_PACKAGE_NAME librukm)
set(CPACK_PACKAGE_VENDOR "librukm developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "small-matrix and small-vector arithmetic in 32f and 64f for arrays of objects")
set(CPACK_PACKAGE_DESCRIPTION
    "Shared libraries librukm and librukcore with a plain C interface, their header files, CMake package and pkg-config files.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
# Installs under /usr whatever prefix the build tree was configured with; the destination
# directory keeps the pkg-config prefix right.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "librukm developers <librukm@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)

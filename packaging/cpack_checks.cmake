# Read by cpack before it builds the package.
if(NOT CPACK_PACKAGE_CONTACT MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(FATAL_ERROR "The package needs a maintainer, \"Name <address>\": configure with "
                      "-DPIPSTONE_MAINTAINER=\"Name <address>\" (README.md, \"Installing\").")
endif()

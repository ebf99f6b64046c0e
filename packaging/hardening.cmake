# The protections Debian builds its packages with (dpkg-buildflags with
# hardening=+all): a stack protector and fortified string and memory calls
# in the code, relocations made read-only and bound at start-up in the
# binaries. The compiler already makes position-independent programs. The
# sanitizer build leaves fortification out: the sanitizers check those calls
# themselves.
add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat -Werror=format-security)
if(NOT PIPSTONE_SANITIZE)
  # Fortification needs an optimising build.
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
add_link_options(-Wl,-z,relro -Wl,-z,now)

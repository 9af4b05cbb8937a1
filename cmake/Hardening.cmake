# Debian's hardening, as dpkg-buildflags gives it with hardening=+all: fortified C library
# calls, a strong stack protector, format-string checks, and full RELRO with bind-now
# (position-independent executables are the compiler's default on Debian). Optimised
# builds only: fortification needs optimisation, and the sanitizer and fuzz builds
# bring their own instrumentation.
option(QUORVEL_HARDENING "Build optimised binaries with Debian's hardening flags" ON)
set(QUORVEL_HARDENED OFF)
if(QUORVEL_HARDENING AND NOT QUORVEL_SANITIZE AND NOT QUORVEL_BUILD_FUZZ
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(QUORVEL_HARDENED ON)
  add_compile_definitions(_FORTIFY_SOURCE=2)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time)
  # RELRO is ELF's; the MinGW linker marks Windows programs for ASLR and DEP by default.
  if(WIN32)
    link_libraries(ssp) # MinGW's stack protector lives in libssp
  else()
    add_link_options(LINKER:-z,relro LINKER:-z,now)
  endif()
endif()

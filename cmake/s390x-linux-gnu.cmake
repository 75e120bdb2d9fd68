# Cross build for 64-bit IBM Z, big-endian with a 128-bit long double, with
# Debian's cross compiler and s390x libraries (multiarch: dpkg
# --add-architecture s390x). The programs and tests run under qemu-user with
# the machine's own root as the s390x root, where the multiarch libraries and
# the loader /lib/ld64.so.1 are: loaded from the cross compiler's sysroot
# (/usr/s390x-linux-gnu), Debian 12's qemu aborts them ("stack smashing").
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(CMAKE_C_COMPILER s390x-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER s390x-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE s390x-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-s390x-static -L /)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig:/usr/share/pkgconfig)

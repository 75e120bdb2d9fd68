# Build for 32-bit x86 with Debian's i686 cross compiler, whose defaults are
# Debian i386's (x87 arithmetic, no SSE2), and i386 libraries (multiarch: dpkg
# --add-architecture i386). The programs and tests run natively where the
# kernel can, otherwise under qemu-user: cmake/I386Runner.cmake decides.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig:/usr/share/pkgconfig)

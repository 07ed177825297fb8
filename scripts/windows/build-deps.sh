#!/bin/sh
# Cross-compiles the libraries the Windows module links (zlib, libpng,
# FreeType, pixman, cairo) as static x64 libraries from Debian's own source
# packages, into a prefix outside the repository (see paths.sh). Installs the
# cross toolchain and Wine first. With the prefix already complete for this
# version of the script, it only checks the packages.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/paths.sh"

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

install_packages() {
  missing=""
  for pkg in $(grep -v '^#' "$here/packages.txt"); do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing="$missing $pkg"
    fi
  done
  [ -z "$missing" ] && return 0
  echo "Installing:$missing"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# One deb-src line for the release's own suite, on the mirror and keyring the
# machine's apt configuration already uses for it.
debian_source_line() {
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk -v RS= -v codename="$codename" '
      {
        types = ""; uri = ""; suites = ""; keyring = ""
        n = split($0, lines, "\n")
        for (i = 1; i <= n; i++) {
          key = lines[i]; sub(/:.*/, "", key)
          value = lines[i]; sub(/^[^:]*:[ \t]*/, "", value)
          if (key == "Types") types = value
          else if (key == "URIs") { split(value, uris, /[ \t]+/); uri = uris[1] }
          else if (key == "Suites") suites = " " value " "
          else if (key == "Signed-By") keyring = value
        }
        if (types ~ /(^| )deb( |$)/ && index(suites, " " codename " ") > 0) {
          options = keyring == "" ? "" : "[signed-by=" keyring "] "
          print "deb-src " options uri " " codename " main"
          exit
        }
      }' "$file"
  done
  if [ -f /etc/apt/sources.list ]; then
    awk -v codename="$codename" '
      $1 == "deb" {
        options = ""; field = 2
        if ($2 ~ /^\[/) { while ($field !~ /\]$/) { options = options $field " "; field++ } options = options $field " "; field++ }
        if ($(field + 1) == codename) { print "deb-src " options $field " " codename " main"; exit }
      }' /etc/apt/sources.list
  fi
}

# Unpacks a downloaded source package into $2. A package whose Debian diff
# the mirror lacks is unpacked from its original tarball after checking that
# tarball against the checksum in the .dsc.
unpack_source() {
  package=$1 target=$2
  dsc=$(ls "$package"_*.dsc)
  if dpkg-source -q -x "$dsc" "$target" >/dev/null 2>&1; then
    return 0
  fi
  rm -rf "$target"
  orig=$(awk '/^Checksums-Sha256:/ { on = 1; next } /^[^ ]/ { on = 0 } on && $3 ~ /\.orig\.tar\./ { print $3 }' "$dsc")
  sum=$(awk '/^Checksums-Sha256:/ { on = 1; next } /^[^ ]/ { on = 0 } on && $3 ~ /\.orig\.tar\./ { print $1 }' "$dsc")
  if [ -z "$orig" ] || [ ! -f "$orig" ]; then
    echo "build-deps: $package: the source package is incomplete" >&2
    exit 1
  fi
  echo "$sum  $orig" | sha256sum -c --quiet -
  echo "build-deps: $package: no Debian diff on the mirror; using the checked original tarball"
  mkdir -p "$target"
  tar -xf "$orig" -C "$target" --strip-components=1
}

fetch_sources() {
  apt_dir=$work/apt
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$work/download"
  line=$(debian_source_line)
  if [ -z "$line" ]; then
    echo "build-deps: no Debian suite for this release in the apt configuration" >&2
    exit 1
  fi
  echo "$line" >"$apt_dir/sources.list"
  # Only private files: the machine's apt configuration and lists stay untouched.
  set -- -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null \
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
  [ -z "$sudo" ] && set -- "$@" -o APT::Sandbox::User=root
  apt-get "$@" update -qq
  cd "$work/download"
  for package in zlib libpng1.6 freetype pixman cairo; do
    # A missing Debian diff is handled by unpack_source.
    apt-get "$@" source --download-only -qq "$package" >/dev/null 2>&1 || true
  done
  for package in zlib libpng1.6 freetype pixman; do
    unpack_source "$package" "$work/src/$package"
  done
  # cairo without its ELF-only symbol export patch, which breaks the Windows link.
  dpkg-source -q --skip-patches -x cairo_*.dsc "$work/src/cairo" >/dev/null
  cd "$work/src/cairo"
  grep -v -e '^#' -e '^03_export-symbols.patch$' debian/patches/series | while read -r patch; do
    [ -n "$patch" ] && patch -s -p1 <"debian/patches/$patch"
  done
}

write_pkg_config_wrapper() {
  mkdir -p "$prefix/bin"
  cat >"$prefix/bin/$velkor_win_host-pkg-config" <<EOF
#!/bin/sh
# Finds only the libraries of this prefix, always as static libraries.
PKG_CONFIG_LIBDIR='$prefix/lib/pkgconfig' PKG_CONFIG_PATH= PKG_CONFIG_SYSROOT_DIR= exec pkg-config --static "\$@"
EOF
  chmod +x "$prefix/bin/$velkor_win_host-pkg-config"
}

build_zlib() {
  cd "$work/src/zlib"
  CHOST=$velkor_win_host CC=$cc CFLAGS=$cflags ./configure --static --prefix="$prefix" >/dev/null
  make -s -j2 libz.a
  make -s install >/dev/null
}

build_libpng() {
  cd "$work/src/libpng1.6"
  ./configure -q --host=$velkor_win_host --prefix="$prefix" --enable-static --disable-shared
  make -s -j2
  make -s install >/dev/null
}

build_freetype() {
  cd "$work/src/freetype"
  ./configure -q --host=$velkor_win_host --prefix="$prefix" --enable-static --disable-shared \
    --with-zlib=yes --with-bzip2=no --with-png=no --with-harfbuzz=no --with-brotli=no --with-librsvg=no
  make -s -j2
  make -s install >/dev/null
}

build_pixman() {
  cd "$work/src/pixman"
  # meson marks the API for DLL export whatever the library kind; in a static
  # build that would make the plug-in export every pixman function.
  sed -i "s/^if cc.has_function_attribute('dllexport')$/if cc.has_function_attribute('dllexport') and get_option('default_library') != 'static'/" pixman/meson.build
  grep -q "get_option('default_library') != 'static'" pixman/meson.build
  cat >cross.ini <<EOF
[binaries]
c = '$cc'
ar = '$velkor_win_host-ar'
strip = '$velkor_win_host-strip'
windres = '$velkor_win_host-windres'
pkgconfig = '$prefix/bin/$velkor_win_host-pkg-config'

[host_machine]
system = 'windows'
cpu_family = 'x86_64'
cpu = 'x86_64'
endian = 'little'
EOF
  meson setup build --cross-file cross.ini --prefix="$prefix" --libdir=lib --buildtype=release \
    --default-library=static -Dtests=disabled -Dgtk=disabled -Dlibpng=disabled -Dopenmp=disabled \
    -Dgnuplot=false -Dtimers=false >/dev/null
  meson compile -C build -j 2 >/dev/null
  meson install -C build --no-rebuild >/dev/null
}

build_cairo() {
  cd "$work/src/cairo"
  # _FORTIFY_SOURCE would make every string function need mingw's libssp.
  sed -i '/_FORTIFY_SOURCE/d' build/configure.ac.warnings
  # A static cairo has no DllMain, which is what initialises its mutexes on
  # Windows; without this, the first locked call (the FreeType font face
  # creation) waits for ever. The object holding the mutexes is linked
  # whenever any of them is used, so these run in every module that needs them.
  cat >>src/cairo-mutex.c <<'EOF'

#if CAIRO_MUTEX_IMPL_WIN32 && CAIRO_WIN32_STATIC_BUILD
static void __attribute__ ((constructor))
_cairo_mutex_initialize_static_build (void)
{
    CAIRO_MUTEX_INITIALIZE ();
}

static void __attribute__ ((destructor))
_cairo_mutex_finalize_static_build (void)
{
    CAIRO_MUTEX_FINALIZE ();
}
#endif
EOF
  # The documentation is not built, so gtk-doc's own files are not needed.
  GTKDOCIZE=true autoreconf -fi >/dev/null 2>&1
  CPPFLAGS="$CPPFLAGS -DCAIRO_WIN32_STATIC_BUILD=1" ./configure -q --host=$velkor_win_host --prefix="$prefix" \
    --enable-static --disable-shared --disable-gtk-doc --disable-valgrind \
    --enable-win32=yes --enable-win32-font=yes --enable-ft=yes --enable-fc=no --enable-png=yes \
    --enable-xlib=no --enable-xlib-xrender=no --enable-xcb=no --enable-xlib-xcb=no --enable-xcb-shm=no \
    --enable-qt=no --enable-quartz=no --enable-quartz-font=no --enable-quartz-image=no \
    --enable-os2=no --enable-beos=no --enable-drm=no --enable-gallium=no --enable-gl=no \
    --enable-glesv2=no --enable-glesv3=no --enable-cogl=no --enable-directfb=no --enable-vg=no \
    --enable-egl=no --enable-glx=no --enable-wgl=no --enable-script=no --enable-ps=no --enable-pdf=no \
    --enable-svg=no --enable-test-surfaces=no --enable-tee=no --enable-xml=no --enable-pthread=no \
    --enable-gobject=no --enable-full-testing=no --enable-trace=no --enable-interpreter=no \
    --enable-symbol-lookup=no
  make -s -C src -j2
  make -s -C src install >/dev/null
  # cairo's pkg-config file leaves out the Windows libraries its win32 parts use.
  sed -i 's/^Libs.private:.*/& -lgdi32 -lmsimg32/' "$prefix/lib/pkgconfig/cairo.pc"
}

install_packages

prefix=$velkor_win_deps
stamp=$prefix/.complete
fingerprint=$(sha256sum "$here/build-deps.sh" | cut -d' ' -f1)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$fingerprint" ]; then
  exit 0
fi

echo "Building the Windows dependencies into $prefix"
work=$velkor_win_cache/win64-deps-work
rm -rf "$work" "$prefix"
mkdir -p "$work/src" "$prefix"
write_pkg_config_wrapper

cc=$velkor_win_host-gcc-posix
cflags="-O2"
export CC="$cc" CFLAGS="$cflags" CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib"
export AR=$velkor_win_host-ar RANLIB=$velkor_win_host-ranlib
export PKG_CONFIG="$prefix/bin/$velkor_win_host-pkg-config"

fetch_sources
build_zlib
build_libpng
build_freetype
build_pixman
build_cairo

rm -rf "$work"
echo "$fingerprint" >"$stamp"
echo "Windows dependencies ready in $prefix"

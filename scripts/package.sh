#!/usr/bin/env bash
# Builds the Debian packages from the release preset, checks them with lintian, and proves the
# converter package works once unpacked into a scratch root. With --windows it also packs the
# Windows programs and DLLs (from build/windows) into their zip, and makes the MSI beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/package
# Debian's hardening flags (bindnow included) for everything in the packages; /usr as prefix puts
# the libraries into the multiarch folder, /usr/lib/<triplet>/korvex50 and .../pkgconfig.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake --preset release -B "$build" -DPELMORA_BUILD_TESTS=OFF -DPELMORA_BUILD_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_STRIP="$PWD/scripts/strip-for-debian.sh" \
  -DCMAKE_CXX_FLAGS="$cppflags $(dpkg-buildflags --get CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/packages/*.deb)
# Tags that remain for reasons the README's "Lintian" paragraph gives.
lintian_explained=hardening-no-fortify-functions
echo "package: built ${debs[*]}"
# Pedantic, and any tag fails; the README's "Lintian" paragraph explains each one suppressed here.
lintian --pedantic --display-info --fail-on error,warning,info,pedantic --suppress-tags "$lintian_explained" \
  "${debs[@]}"

# The library package runs nothing on install or removal: its folder is private, found by run paths,
# so there is no ldconfig to call and nothing that would keep it in state "rc" after removal.
for deb in "${debs[@]}"; do
  scripts=$(dpkg-deb -I "$deb")
  ! grep -q -E '^ +[0-9]+ bytes, +[0-9]+ lines +\*? *(preinst|postinst|prerm|postrm)' <<<"$scripts" \
    || { echo "package: $deb has maintainer scripts" >&2; exit 1; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$build"/packages/pelmora_*.deb "$root"
"$root/usr/bin/pelmora-convert" --version
cp examples/letter.rtf "$root/letter.rtf"
"$root/usr/bin/pelmora-convert" "$root/letter.rtf"
tail -c 18 "$root/letter.htm" | cmp -s - <(printf '</BODY>\r\n</HTML>\r\n') \
  || { echo "package: the unpacked pelmora-convert wrote no complete page" >&2; exit 1; }
for f in usr/bin/pelmora usr/share/applications/pelmora.desktop usr/share/man/man1/pelmora-convert.1.gz \
         usr/share/icons/hicolor/scalable/apps/pelmora.svg usr/share/bash-completion/completions/pelmora-convert; do
  [ -e "$root/$f" ] || { echo "package: $f is missing from the converter package" >&2; exit 1; }
done
echo "package: the converter package converts from its unpacked root"

# Listings are kept in variables before grep -q reads them: grep leaving at its first match
# would give a still-writing lister a SIGPIPE, which pipefail reports as a failure.

# The plain install under a prefix: headers usable as installed, the package beside its host library.
prefix="$root/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for header in "$prefix"/include/korvex50/*.h; do
  printf '#include <korvex50/%s>\nint main() {}\n' "$(basename "$header")" > "$root/headers.cpp"
  g++ -std=c++20 -fsyntax-only -I"$prefix/include" "$root/headers.cpp"
done
korvexdir=$(dirname "$(find "$prefix" -name Korvex50.so)")
deps=$(ldd "$korvexdir/Korvex50.so")
grep -q "$korvexdir/libvcl50.so" <<<"$deps" \
  || { echo "package: the installed Korvex50.so does not find its host library beside it" >&2; exit 1; }
echo "package: cmake --install gives headers that compile alone and a package that finds its host library"

# The Geany plugin as installed from its package, beside the package's own; skipped where Geany is missing.
if compgen -G "$build/packages/korvex50-geany_*.deb" >/dev/null; then
  status=0
  bash tests/geany/geany_unpacked.sh "$build"/packages/korvex50_*.deb "$build"/packages/korvex50-geany_*.deb \
    || status=$?
  [ "$status" = 0 ] || [ "$status" = 77 ] || exit 1
fi

if [ "${1:-}" = "--windows" ]; then
  (cd build/windows && cpack -G ZIP >/dev/null)
  zip=$(ls build/windows/packages/pelmora-*-win32.zip)
  listing=$(unzip -l "$zip")
  for file in vouninst.exe pelmora-convert.exe pelmora.exe Korvex50.dll vcl50.dll libstdc++-6.dll LICENSE.txt; do
    grep -q -F "$file" <<<"$listing" || { echo "package: $zip lacks $file" >&2; exit 1; }
  done
  ! grep -q -F include/korvex50 <<<"$listing" || { echo "package: $zip carries the host authors' kit" >&2; exit 1; }
  echo "package: built $zip"
  cmake --build build/windows --target korvex_kit_zip >/dev/null
  echo "package: built $(ls build/windows/packages/*-kit.zip)"
  # The MSI (made with wixl) lands beside the zip.
  cmake --build build/windows --target pelmora_msi >/dev/null
  msi=$(ls build/windows/packages/*.msi)
  echo "package: built $msi"
fi

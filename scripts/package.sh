#!/usr/bin/env bash
# Builds the Debian package: a Release build in its own folder (build-release/, so the
# development build in build/ stays as it is) with Debian's hardening flags, then CPack's DEB
# generator.  The package lands in build/ as zul_<version>_amd64.deb.
# Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Debian's build flags (optimisation -O2, stack protector, fortified functions, full RELRO, PIE)
# for what ships; the Release type only adds NDEBUG.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cppflags="$(dpkg-buildflags --get CPPFLAGS)"
cflags="$(dpkg-buildflags --get CFLAGS | sed 's/ *-g\b//')"
cxxflags="$(dpkg-buildflags --get CXXFLAGS | sed 's/ *-g\b//')"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZUL_BUILD_GUI=ON -DZUL_BUILD_TESTS=OFF -DZUL_BUILD_BENCH=OFF -DZUL_BUILD_FUZZ=OFF \
  -DCMAKE_C_FLAGS="$cppflags $cflags" -DCMAKE_CXX_FLAGS="$cppflags $cxxflags" \
  -DCMAKE_C_FLAGS_RELEASE="-DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-DNDEBUG" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
if ! grep -q '^ZUL_BUILD_GUI:BOOL=ON' build-release/CMakeCache.txt || [ ! -e build-release/CPackConfig.cmake ]; then
  echo "package.sh: the Release build has no desktop program (Qt 6 missing?)" >&2
  exit 1
fi
cmake --build build-release -j"$(nproc)"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-release/CMakeCache.txt)"
if ! head -n1 packaging/changelog | grep -q "^zul (${version}) "; then
  echo "package.sh: packaging/changelog has no entry for version ${version} at its top" >&2
  exit 1
fi
deb="zul_${version}_amd64.deb"
rm -f "build-release/${deb}"
(cd build-release && cpack -G DEB >/dev/null)
mkdir -p build
mv -f "build-release/${deb}" "build/${deb}"

# The package must hold every program and data file of the program folder.
contents="$(dpkg-deb -c "build/${deb}")"
for file in zul zul-cli Preview Zul.fmt LINE_PRN.DEF STR_PRN.DEF examples/end-bearing-pile.zul; do
  if ! grep -q " \./usr/lib/zul/${file}\$" <<<"$contents"; then
    echo "package.sh: build/${deb} lacks /usr/lib/zul/${file}" >&2
    exit 1
  fi
done
echo "build/${deb}"

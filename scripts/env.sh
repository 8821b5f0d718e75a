# Shared by the build scripts: which Windows architecture runs the tests here.
# The product is the 32-bit build. Where the kernel runs no 32-bit programs
# (32-bit Wine fails to start), the tests run the 64-bit build of the same
# sources under 64-bit Wine instead.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  TEST_ARCH=i686
else
  TEST_ARCH=x86_64
fi
JOBS="$(nproc)"
# ccache's cache outlives the checkout: paths under the checkout are hashed
# relative to it, so a fresh clone in another folder still hits the cache.
export CCACHE_BASEDIR="$ROOT"
export CCACHE_NOHASHDIR=true

# configure_and_build ARCH [cmake options...]
configure_and_build() {
  local arch="$1"; shift
  local dir="$ROOT/build/$arch"
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
}

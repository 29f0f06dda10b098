# Sourced by the build, test and run scripts: which Windows this machine can
# run the programs of. The launcher is a 32-bit program; Wine runs it only
# where the kernel runs 32-bit Linux programs (Wine's 32-bit loader). Where it
# cannot (some virtual machines turn that off), the Windows tree is built for
# 64-bit Windows instead, so the adapter and end-to-end tests still run on the
# real Win32 API; a message says so.
tools_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ "$(uname -m)" = x86_64 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1 &&
   [ -x /usr/lib/wine/wine64 ]; then
  corvella_windows=x86_64
  export WINEARCH=win64
  export PATH="$tools_dir/wine64-only:$PATH"
  export WINELOADER=/usr/lib/wine/wine64
else
  corvella_windows=i686
  export WINEARCH=win32
fi

# Sourced by the Windows scripts: where the cross build keeps what lives
# outside the repository. VELKOR_WIN64_CACHE moves all of it.
velkor_win_cache=${VELKOR_WIN64_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velkortape}
velkor_win_deps=$velkor_win_cache/win64-deps
velkor_win_wineprefix=$velkor_win_cache/wineprefix
velkor_win_host=x86_64-w64-mingw32

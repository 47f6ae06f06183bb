# Sourced by the scripts that run the built programs under Wine, after they set $root: builds into $build
# (RELANTO_BUILD_DIR, else ./build) and loads the Wine helpers on a private X display.
build=${RELANTO_BUILD_DIR:-$root/build}
mkdir -p "$build"
"$root/scripts/setup-deps.sh"
RELANTO_BUILD_DIR=$build "$root/scripts/build.sh" >/dev/null
source "$root/scripts/wine-env.sh"
export RELANTO_PRIVATE_X=1

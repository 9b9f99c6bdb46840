#!/bin/sh
# make bench BASE=<commit>: this tree's program against the one of <commit>, and the floor, started
# in turn on a virtual X display of their own until each has mapped its first window. The commit is
# built in Release in a temporary worktree, made and removed here.
#   compare_start.sh COMMIT BENCH_BUILD_DIR [ROUNDS]
set -eu
commit=$1 build=$(realpath "$2") rounds=${3:-21}
tree=$(mktemp -d)
trap 'git worktree remove --force "$tree" 2>/dev/null || rm -rf "$tree"' EXIT
git worktree add --quiet --detach "$tree" "$commit"
echo "Building $commit in Release in $tree" >&2
cmake -S "$tree" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$tree/build" --target zemora >/dev/null
name=$(git rev-parse --short "$commit")
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$build/bench/start_watch" "$rounds" \
    "$name=$tree/build/zemora" "this=$build/zemora" "floor=$build/bench/floor_app" 2>/dev/null

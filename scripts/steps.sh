# Steps shared by scripts/test and scripts/fuzz, sourced by them. Each step keeps its output in a
# log beside its build and prints it only when the step fails.

# What the tests, the benchmarks and the clang build need beyond the program's own packages.
test_packages=(qt6-base-private-dev libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev)

# The GCC builds of the test command.
gcc_build=build-test
gcc_release_build=build-release
# The clang build: the sanitizers throughout, and the fuzzing targets built for libFuzzer.
clang_build=build-fuzz
clang_options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14
               -DPLOTTER_SANITIZE=ON -DPLOTTER_FUZZ=ON)
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"

# quietly LOG COMMAND...: runs COMMAND with its output in LOG. When it fails, prints LOG without
# the progress lines of ninja, ctest's passing tests and libFuzzer, and fails.
quietly() {
  local log=$1
  shift
  if ! "$@" >"$log" 2>&1; then
    echo >&2
    grep -v -E '^ +Start +[0-9]+: |^\[[0-9]+/[0-9]+\] |Test +#[0-9]+: .* Passed +[0-9.]+ sec$|^#[0-9]+\s' "$log" >&2
    echo "FAILED: $* (whole output in $log)" >&2
    return 1
  fi
}

# configure DIR OPTIONS...: a Ninja build in DIR in which a warning fails the build.
configure() {
  local dir=$1
  shift
  mkdir -p "$dir"
  quietly "$dir/configure.log" cmake -S . -B "$dir" -G Ninja -DPLOTTER_WERROR=ON "$@"
}

# build DIR [TARGET...]: builds the targets named, or everything.
build() {
  local dir=$1
  shift
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  quietly "$dir/build.log" cmake --build "$dir" -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" "${targets[@]}"
}

# run_tests DIR: runs every test but the benchmarks and prints ctest's summary line.
run_tests() {
  local dir=$1
  quietly "$dir/ctest.log" ctest --test-dir "$dir" --output-on-failure -j "${CTEST_PARALLEL_LEVEL:-$(nproc)}" -LE bench
  echo "$dir: $(grep -E 'tests passed' "$dir/ctest.log")"
}

# check_format: every C++ source keeps to .clang-format.
check_format() {
  local sources
  mapfile -t sources < <(git ls-files '*.cpp' '*.h')
  mkdir -p "$gcc_build"
  quietly "$gcc_build/format.log" clang-format --dry-run --Werror "${sources[@]}"
  echo "format: ${#sources[@]} sources keep to .clang-format"
}

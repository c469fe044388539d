# The two entry points of the README; everything else is CMake presets.
.PHONY: run test test-asan

run:
	tools/install-deps.sh build run
	cmake --preset default
	cmake --build --preset default
	tools/run-korvane.sh

test:
	tools/install-deps.sh build run test
	cmake --preset default
	cmake --build --preset default
	ctest --preset default

test-asan:
	tools/install-deps.sh build run test
	cmake --preset asan-ubsan
	cmake --build --preset asan-ubsan
	ctest --preset asan-ubsan

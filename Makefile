# `make run` and `make test` are the README's two commands; the other targets
# are their parts, and everything else is CMake presets.
.PHONY: run test test-linux package test-asan test-win32

run:
	tools/install-deps.sh build run
	cmake --preset default
	cmake --build --preset default
	tools/run-korvane.sh

# Every kind of test: the Linux build's tests (logic, backends, end to end, a
# screen reader), the same under the sanitizers, and the Windows build under Wine.
test: test-linux test-asan test-win32

test-linux:
	tools/install-deps.sh build run test e2e a11y package
	cmake --preset default
	cmake --build --preset default
	ctest --preset default

# The Debian package, build/korvane_<version>_amd64.deb.
package:
	tools/install-deps.sh build package
	cmake --preset default
	cmake --build --preset default
	cpack --preset default

# The real-time end-to-end scenarios run once, in test-linux.
test-asan:
	tools/install-deps.sh build run test
	cmake --preset asan-ubsan
	cmake --build --preset asan-ubsan
	ctest --preset asan-ubsan

# The 32-bit Windows build, tested under Wine with a private prefix and X server,
# and heard end to end through a private sound server.
test-win32:
	tools/install-deps.sh build test win32 e2e
	tests/win32/run-tests.sh

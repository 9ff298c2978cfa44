# The two commands a fresh machine needs: `make run` and `make test`.
.PHONY: all setup host windows windows-tests test run dist clean

# Windows tests run as the i686 product's own build where this kernel runs 32-bit
# code, otherwise as the same sources built for x86_64 under wine64.
TEST_ARCH := $(shell tools/can-run-i386 && echo i686 || echo x86_64)
ifeq ($(TEST_ARCH),i686)
TEST_PRESET := windows
else
TEST_PRESET := windows64
endif

all: host windows

setup:
	@tools/setup

host: setup
	@cmake --preset host >/dev/null
	@cmake --build --preset host

windows: setup
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows

windows-tests: windows
ifneq ($(TEST_PRESET),windows)
	@cmake --preset $(TEST_PRESET) >/dev/null
	@cmake --build --preset $(TEST_PRESET)
endif

test: host windows-tests
	ctest --preset host
	tools/check-exe build/windows/jorvel.exe
	tools/with-wine build/$(TEST_PRESET) $(TEST_ARCH) ctest --preset $(TEST_PRESET)

run: windows-tests
	@tools/run-program $(TEST_PRESET) $(TEST_ARCH)

# The release zip for Windows users: build/dist/jorvel.zip.
dist: windows
	@tools/make-dist build/windows build/dist/jorvel.zip

clean:
	rm -rf build

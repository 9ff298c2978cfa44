# The two commands a fresh machine needs: `make run` and `make test`.
.PHONY: all setup host windows windows64-product windows-tests reproducible fuzz-build test run dist fuzz bench pictures clean

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

# The x86_64 exe is checked on every machine, whichever build runs the tests.
windows64-product: setup
	@cmake --preset windows64 >/dev/null
	@cmake --build --preset windows64 --target jorvel

windows-tests: windows windows64-product
ifneq ($(TEST_PRESET),windows)
	@cmake --build --preset $(TEST_PRESET)
endif

# A second build of the product in another folder must give the same bytes.
reproducible: windows
	@cmake --preset windows-again >/dev/null
	@cmake --build --preset windows-again
	cmp build/windows/jorvel.exe build/windows-again/jorvel.exe
	cmp build/windows/help.chm build/windows-again/help.chm

fuzz-build: setup
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

test: host windows-tests fuzz-build reproducible
	ctest --preset host
	ctest --preset fuzz
	tools/check-exe build/windows/jorvel.exe
	tools/check-exe build/windows64/jorvel.exe
	tools/test-ratio
	tools/with-wine build/$(TEST_PRESET) $(TEST_ARCH) ctest --preset $(TEST_PRESET)

run: windows-tests
	@tools/run-program $(TEST_PRESET) $(TEST_ARCH)

# The release for Windows users: build/dist/ holds jorvel.zip, jorvel.exe and SHA256SUMS.
dist: windows
	@tools/make-dist build/windows build/dist

# Fuzzes the settings scanner for FUZZ_SECONDS, keeping what it learns in build/fuzz/corpus.
FUZZ_SECONDS ?= 600
fuzz: fuzz-build
	@mkdir -p build/fuzz/corpus
	build/fuzz/tests/fuzz/settings_text_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=256 -print_final_stats=1 \
		build/fuzz/corpus tests/fuzz/corpus

# Takes the measured figures and writes them to bench/RESULTS.md.
bench: windows-tests windows
	@bench/run $(TEST_PRESET) $(TEST_ARCH)

# Pictures of the dialogs from a run of the real program, into docs/.
pictures: windows-tests
	@tools/take-pictures

clean:
	rm -rf build

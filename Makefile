# The two commands of the README: `make run` and `make test`.
.PHONY: run test fuzz deps native win64 win32 clean

deps:
	@scripts/install-deps

win32: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native

win64: deps
	cmake --preset win64 >/dev/null
	cmake --build --preset win64

# The i686 build is compiled and linked only: this kernel cannot run 32-bit programs.
test: win32 native win64
	ctest --preset native
	ctest --preset win64

# Long fuzz runs, FUZZ_SECONDS per target (make test runs each for a minute).
FUZZ_SECONDS ?= 600
fuzz: native
	@for source in tests/fuzz/*_fuzz.cpp; do \
	  tests/fuzz/run-fuzzer build/native/fuzz "$$(basename "$$source" _fuzz.cpp)" $(FUZZ_SECONDS) || exit 1; \
	done

run: win64
	@scripts/run-teko build/win64

clean:
	rm -rf build

# Every benchmark, each against its peer in the same run (not part of `make test`).
.PHONY: bench
bench: win64 native
	@for run in bench/*/run; do echo "== $$run"; $$run || exit 1; done

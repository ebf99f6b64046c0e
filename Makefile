# The two commands of README.md: `make run` and `make test`.
BUILD    ?= build
ASAN     ?= build-asan
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIPSTONE_WERROR=ON

.PHONY: deps build run test test-asan soak bench mutants install deb test-install fuzz

deps:
	@./tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# Only the game: the program, its sound module, pointer and sound.
run: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target pipstone
	$(BUILD)/pipstone

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The game, its menu entry, icons, metainfo, manual page and help page under
# PREFIX (the program in PREFIX/games); it finds its files wherever the prefix
# lies.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, build/pipstone_<version>_<architecture>.deb; install it
# with `sudo apt-get install ./build/pipstone_*.deb`. Its maintainer is the
# cache setting PIPSTONE_MAINTAINER (README.md, "Installing").
deb: build
	cd $(BUILD) && cpack
	@ls $(BUILD)/pipstone_*.deb

# As root, and changing the system while it runs: installs the package with
# apt-get, starts the installed game, then purges the package and checks that
# nothing of it is left, dpkg's record included. Not part of `make test`.
test-install: deb
	./tests/packaging/package_apt_round_trip.sh $(BUILD)/pipstone_*.deb .

# The same tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN) $(CMAKE_FLAGS) -DPIPSTONE_SANITIZE=ON -DPIPSTONE_BENCH=OFF
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# 100,000 seeded matches and 30,000 event storms, with every invariant
# checked after every action and every storm's match played to its end.
soak: build
	PIPSTONE_SOAK=100000 ./$(BUILD)/tests/pipstone_reliability

# Start-up, memory, idle cost, flights and simulated matches, each against its
# baseline (README.md, "Benchmark"). A missed target is reported, not fatal.
bench: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) --target pipstone_bench -j $(JOBS)
	./$(BUILD)/bench/pipstone_bench

# Small faults planted one at a time in the game core and the headless toolkit
# the tests stand on, with the core and reliability tests run against each
# (README.md, "Other commands"). Each run draws a fresh sample; it prints its
# seed, and MUTANTS_SEED=<seed> repeats it. Slow: not part of `make test`.
MUTANTS        ?= ../shared/tools/mutants
MUTANTS_SAMPLE ?= 100
ifndef MUTANTS_SEED
MUTANTS_SEED   := $(shell od -An -N3 -tu4 /dev/urandom | tr -d ' ')
endif
MUTANTS_CMAKE  ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIPSTONE_BENCH=OFF \
                  $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

mutants:
	@echo "mutants: seed $(MUTANTS_SEED) (repeat with MUTANTS_SEED=$(MUTANTS_SEED))"
	$(MUTANTS) --sample $(MUTANTS_SAMPLE) --seed $(MUTANTS_SEED) --equivalent tests/equivalent-mutants.txt \
	  --cmake-args "$(MUTANTS_CMAKE)" --targets "pipstone_tests pipstone_reliability" \
	  --test "tests/pipstone_tests && tests/pipstone_reliability" src

# The readers of the optional files under libFuzzer (README.md, "Other
# commands"): FUZZ_SECONDS each, starting from the kept seeds in fuzz/corpus;
# what the runs find grows the corpus in the build tree, and a failing input
# is kept there as found-<reader>-*.
FUZZ         ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_READERS ?= wave cursor skin

fuzz: deps
	cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DPIPSTONE_FUZZ=ON
	cmake --build $(FUZZ) -j $(JOBS)
	@for reader in $(FUZZ_READERS); do \
	  mkdir -p $(FUZZ)/corpus/$$reader && \
	  echo "== $$reader: $(FUZZ_SECONDS) s" && \
	  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=abort_on_error=1 ./$(FUZZ)/fuzz/fuzz_$$reader \
	    -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=$(FUZZ)/found-$$reader- \
	    $(FUZZ)/corpus/$$reader fuzz/corpus/$$reader || exit 1; \
	done

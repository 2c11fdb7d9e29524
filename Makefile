# Thin front door to CMake. `make run` plays, `make test` checks everything.
BUILD    ?= build
SANBUILD ?= build-sanitize
JOBS     ?= $(shell nproc)
PREFIX   ?= /usr/local

.PHONY: all deps configure run test install sanitize fuzz soak bench shots verify-levels update-replays mutate clean

all: configure
	cmake --build $(BUILD) -j$(JOBS)

# Other systems than Debian's family: the packager installs what the build needs.
deps:
	@if command -v dpkg-query >/dev/null 2>&1; then scripts/install-deps; \
	else echo "make: no dpkg-query here, so scripts/install-deps is skipped; install the build's packages by hand"; fi

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

run: all
	$(BUILD)/zapbrik

test: all
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

install: all
	cmake --install $(BUILD) --prefix $(PREFIX)

# The sanitizer build takes the normal build's generated files rather than
# running the generator under the sanitizers.
sanitize: all
	@test -f $(SANBUILD)/CMakeCache.txt || cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DZAPBRIK_SANITIZE=ON $(CMAKE_FLAGS) \
	  -DZAPBRIK_ASSETS_FROM=$(abspath $(BUILD))
	cmake --build $(SANBUILD) -j$(JOBS)
	cd $(SANBUILD) && ctest --output-on-failure -j$(JOBS)

# The fuzz targets and the soak are run by hand, not by CI: see scripts/fuzz.
fuzz: all
	scripts/fuzz

soak: all
	scripts/soak

bench: all
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

shots: all
	scripts/make-shots $(BUILD)

# Not part of `make test`: every level played by the autoplayer, on Easy and Insane.
verify-levels: all
	scripts/verify-levels $(BUILD)

# After an intended change of the play rules: record the replays' expected
# traces and dumps again (see scripts/update-replays).
update-replays: all
	scripts/update-replays $(BUILD)

# Not part of `make test`: breaks one play rule at a time (tests/mutations.list)
# in a scratch copy and checks that the play tests and the replays notice.
mutate: all
	scripts/mutate $(BUILD)

clean:
	rm -rf $(BUILD) $(SANBUILD) build-fuzz build-mutate

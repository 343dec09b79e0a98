# make play: install what is missing, build, start the game.
# make test: the same set-up, then the whole test suite, headless.
# make package: the same set-up, then the Debian packages in $(BUILD)/: brevallo
#   (the game) and brevallo-hofd (the hall-of-fame service).
# make fuzz: each file reader's fuzz harness for FUZZ_SECONDS seconds (clang).
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# What the build and the tests use (qt6-tools-dev: the CMake files of Qt's
# translation tools; libxkbcommon-dev: the keyboard library Qt's CMake files look for;
# clang-format: the code_format test).
PACKAGES := g++ make cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev libbenchmark-dev fonts-dejavu-core \
            libmicrohttpd-dev libgnutls28-dev openssl \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libxkbcommon-dev \
            desktop-file-utils appstream libqt6sql6-sqlite systemd \
            xvfb libxcb1-dev libfontconfig-dev at-spi2-core python3-pyatspi dbus-x11 \
            twm xdotool xfonts-base clang-format
FUZZ_PACKAGES := clang libclang-rt-14-dev
# The hall-of-fame page is also checked in a real browser when one is installed.
BROWSER_PACKAGES := chromium
# The service's PostgreSQL tests start a server of their own when one is installed.
PG_PACKAGES := postgresql libqt6sql6-psql
FUZZERS := $(patsubst fuzz/%.cpp,%,$(wildcard fuzz/fuzz_*.cpp))

.PHONY: play test build deps bench package clean fuzz fuzz-deps browser-deps pg-deps packages

play: build
	./$(BUILD)/brevallo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2

bench: build browser-deps
	./$(BUILD)/benchmarks/bench_refdata
	./$(BUILD)/benchmarks/bench_hofd
	./$(BUILD)/benchmarks/bench_classes
	./$(BUILD)/benchmarks/bench_export
	./$(BUILD)/benchmarks/bench_progress
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/benchmarks/bench_firstpaint
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/benchmarks/bench_startup
	sh tests/run_with_xvfb.sh ./$(BUILD)/benchmarks/bench_startup --benchmark_filter=BM_startup || [ $$? -eq 77 ]

package: build
	cd $(BUILD) && cpack -G DEB

build: deps
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD) --parallel

# New inputs go to $(FUZZ_BUILD)/corpus/<harness>; a failing input is saved
# as $(FUZZ_BUILD)/<harness>-crash-...: once fixed, copy it into
# fuzz/corpus/<harness>/ so the test suite keeps replaying it.
fuzz: deps fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DBREV_FUZZ=ON -DBREV_BENCHMARKS=OFF
	cmake --build $(FUZZ_BUILD) --parallel --target $(FUZZERS)
	@for f in $(FUZZERS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	  echo "== $$f for $(FUZZ_SECONDS) s"; \
	  ./$(FUZZ_BUILD)/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/$$f- $(FUZZ_BUILD)/corpus/$$f fuzz/corpus/$$f || exit 1; \
	done

fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"

browser-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(BROWSER_PACKAGES)"

pg-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PG_PACKAGES)"

# Every package the lists above name, one a line (the test deps_listed checks
# that they bring everything the build uses).
packages:
	@printf '%s\n' $(PACKAGES) $(FUZZ_PACKAGES) $(BROWSER_PACKAGES) $(PG_PACKAGES)

# Installs missing Debian packages when run as root; otherwise prints the line to run
# as root (a minimal Debian has no sudo).
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends$$missing; \
	  else \
	    echo "Some packages are missing. Install them as root with:"; \
	    echo "  apt-get install -y --no-install-recommends$$missing"; \
	    exit 1; \
	  fi; \
	fi

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)

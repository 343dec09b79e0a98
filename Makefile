# make play: install what is missing, build, start the game.
# make test: the same set-up, then the whole test suite, headless.
BUILD ?= build
PACKAGES := g++ make cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev libbenchmark-dev fonts-dejavu-core \
            xvfb libxcb1-dev

.PHONY: play test build deps bench clean

play: build
	./$(BUILD)/brevallo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2

bench: build
	./$(BUILD)/benchmarks/bench_refdata

build: deps
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD) --parallel

# Installs missing Debian packages when run as root; otherwise prints the line to run.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq$$missing; \
	  else \
	    echo "Some packages are missing. Install them with:"; \
	    echo "  sudo apt-get install -y$$missing"; \
	    exit 1; \
	  fi; \
	fi

clean:
	rm -rf $(BUILD)

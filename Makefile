# The front door: `make run` and `make test` install what the machine lacks, then build.
BUILD    ?= build
APP_DIR  := $(BUILD)/app
TEST_DIR := $(BUILD)/test
RUN_DIR  := $(BUILD)/run
JOBS     ?= $(shell nproc)

.PHONY: run test bench deps build clean screenshots fuzz soak coverage package examples

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(APP_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(APP_DIR) -j$(JOBS)

# Starts the program on a fresh copy of the demo image, in a working folder under build/,
# so that the checkout itself is never written to.
run: build
	mkdir -p $(RUN_DIR)
	cp examples/demo.bin $(RUN_DIR)/demo.bin
	cd $(RUN_DIR) && ../app/bin/chaserom demo.bin

test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DCHASEROM_SANITIZE=ON
	cmake --build $(TEST_DIR) -j$(JOBS)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen $(APP_DIR)/bin/chaserom-bench
	xvfb-run -a -s "-screen 0 1400x900x24" $(APP_DIR)/bin/chaserom-startup-bench \
		$(APP_DIR)/bin/chaserom $(APP_DIR)/bin/chaserom-bare examples/demo.bin

# Runs every fuzz target for FUZZ_SECONDS (60 unless given) from the seed corpus in
# tests/fuzz/corpus; new inputs go to build/fuzz/corpus, never into the checkout.
FUZZ_SECONDS ?= 60
FUZZ_DIR     := $(BUILD)/fuzz
FUZZ_TARGETS := colourfile layoutfile hextext decimalfields pageaddress

fuzz: deps
	@tools/install-deps.sh tools/fuzz-packages.txt
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCHASEROM_FUZZ=ON -DCHASEROM_SANITIZE=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_DIR)/corpus/$$target; \
		echo "== fuzz_$$target for $(FUZZ_SECONDS) s"; \
		$(FUZZ_DIR)/bin/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_DIR)/fuzz_$$target- \
			$(FUZZ_DIR)/corpus/$$target tests/fuzz/corpus/$$target 2>&1 \
			| grep -E 'stat::number_of_executed_units|stat::new_units_added|ERROR|invariant|SUMMARY|Done' \
			|| true; \
		test -z "$$(ls $(FUZZ_DIR)/fuzz_$$target-* 2>/dev/null)" || { echo "finding in fuzz_$$target"; exit 1; }; \
	done

# Plays the demo image at 1 ms with saving on for SOAK_MINUTES (10 unless given) under
# Xvfb, and reports memory and whether the image stayed unchanged.
SOAK_MINUTES ?= 10

soak: build
	xvfb-run -a -s "-screen 0 1400x900x24" $(APP_DIR)/bin/chaserom-soak examples/demo.bin \
		$(SOAK_MINUTES)

# Line and branch coverage of src/ by the tests.
COVERAGE_DIR := $(BUILD)/coverage

coverage: deps
	@tools/install-deps.sh tools/coverage-packages.txt
	cmake -S . -B $(COVERAGE_DIR) -DCMAKE_BUILD_TYPE=Debug -DCHASEROM_COVERAGE=ON
	cmake --build $(COVERAGE_DIR) -j$(JOBS)
	find $(COVERAGE_DIR) -name '*.gcda' -delete
	cd $(COVERAGE_DIR) && QT_QPA_PLATFORM=offscreen ctest -j$(JOBS) --output-on-failure
	gcovr --root . --object-directory $(COVERAGE_DIR) --filter 'src/' \
		--exclude-unreachable-branches --exclude-throw-branches --print-summary --txt

# The example effects, board picture and lamp layout in examples/, made again.
examples: build
	python3 examples/make_effects.py
	QT_QPA_PLATFORM=offscreen $(APP_DIR)/bin/chaserom-make-board examples

# A Debian package of the program, in build/app.
package: build
	@tools/install-deps.sh tools/package-packages.txt
	cd $(APP_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD)

# Grabs the windows on the example images into docs/, offscreen.
screenshots: build
	rm -rf $(RUN_DIR)/screenshots && mkdir -p $(RUN_DIR)/screenshots
	cp examples/* $(RUN_DIR)/screenshots/
	cd $(RUN_DIR)/screenshots && QT_QPA_PLATFORM=offscreen \
		../../app/bin/chaserom-screenshots . $(CURDIR)/docs

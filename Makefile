# The front door: `make run` and `make test` install what the machine lacks, then build.
# The build folders and their settings are the presets in CMakePresets.json.
APP_DIR  := build/app
RUN_DIR  := build/run
JOBS     ?= $(shell nproc)
# CI turns warnings into errors: make test CHASEROM_WERROR=ON
CHASEROM_WERROR ?= OFF

.PHONY: run test bench deps build clean screenshots fuzz soak coverage package examples format tidy \
	translations

deps:
	@tools/install-deps.sh

build: deps
	cmake --preset app -DCHASEROM_WERROR=$(CHASEROM_WERROR)
	cmake --build --preset app -j$(JOBS)

# Brings translations/chaserom_en.ts up to date with the texts of the sources (lupdate);
# what is new shows there unfinished until it is translated.
translations: deps
	cmake --preset app -DCHASEROM_WERROR=$(CHASEROM_WERROR)
	cmake --build --preset app --target update_translations

# Starts the program on a fresh copy of the demo image, in a working folder under build/,
# so that the checkout itself is never written to. Builds the program alone, not the tests.
run: deps
	cmake --preset app -DCHASEROM_WERROR=$(CHASEROM_WERROR)
	cmake --build --preset app -j$(JOBS) --target chaserom
	mkdir -p $(RUN_DIR)
	cp examples/demo.bin $(RUN_DIR)/demo.bin
	cd $(RUN_DIR) && ../app/bin/chaserom demo.bin

test: deps
	@tools/install-deps.sh tools/test-packages.txt
	cmake --preset test -DCHASEROM_WERROR=$(CHASEROM_WERROR)
	cmake --build --preset test -j$(JOBS)
	ctest --preset test -j$(JOBS)

BENCH_TARGETS := chaserom chaserom-bench chaserom-bare chaserom-startup-bench chaserom-tool \
	chaserom-tool-bench

bench: deps
	@tools/install-deps.sh tools/test-packages.txt
	cmake --preset app -DCHASEROM_WERROR=$(CHASEROM_WERROR)
	cmake --build --preset app -j$(JOBS) --target $(BENCH_TARGETS)
	QT_QPA_PLATFORM=offscreen $(APP_DIR)/bin/chaserom-bench
	$(APP_DIR)/bin/chaserom-tool-bench $(APP_DIR)/bin/chaserom-tool examples
	xvfb-run -a -s "-screen 0 1400x900x24" $(APP_DIR)/bin/chaserom-startup-bench \
		$(APP_DIR)/bin/chaserom $(APP_DIR)/bin/chaserom-bare examples/demo.bin

# Runs every fuzz target for FUZZ_SECONDS (60 unless given) from the seed corpus in
# tests/fuzz/corpus; new inputs go to build/fuzz/corpus, never into the checkout.
FUZZ_SECONDS ?= 60
FUZZ_DIR     := build/fuzz
FUZZ_TARGETS := colourfile layoutfile hextext decimalfields pageaddress intelhex srecord

fuzz: deps
	@tools/install-deps.sh tools/fuzz-packages.txt
	cmake --preset fuzz
	cmake --build --preset fuzz -j$(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
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

soak: deps
	cmake --preset app
	cmake --build --preset app -j$(JOBS) --target chaserom-soak
	xvfb-run -a -s "-screen 0 1400x900x24" $(APP_DIR)/bin/chaserom-soak examples/demo.bin \
		$(SOAK_MINUTES)

# Line and branch coverage of src/ by the tests.
coverage: deps
	@tools/install-deps.sh tools/coverage-packages.txt
	cmake --preset coverage
	cmake --build --preset coverage -j$(JOBS)
	find build/coverage -name '*.gcda' -delete
	ctest --preset coverage -j$(JOBS)
	gcovr --root . --object-directory build/coverage --filter 'src/' \
		--exclude-unreachable-branches --exclude-throw-branches --print-summary --txt

# The example effects, board picture and lamp layout in examples/, made again.
examples: build
	python3 examples/make_effects.py
	QT_QPA_PLATFORM=offscreen $(APP_DIR)/bin/chaserom-make-board examples

# A Debian package of the program, in build/app.
package: build
	@tools/install-deps.sh tools/package-packages.txt
	cd $(APP_DIR) && cpack -G DEB

# Checks every C++ file against .clang-format, and that no doc comment is glued after code;
# FORMAT_BASE (the previous commit unless given) names the changes the tidy check reads.
FORMAT_BASE ?= HEAD~1

format:
	@tools/check-format.sh $(FORMAT_BASE)

# Runs .clang-tidy on the sources of src/ changed since FORMAT_BASE, warnings as errors, with
# the compile commands of the test build (configured here if it is not yet).
tidy: deps
	@tools/install-deps.sh tools/tidy-packages.txt
	cmake --preset test -DCHASEROM_WERROR=$(CHASEROM_WERROR) >/dev/null
	@tools/check-tidy.sh $(FORMAT_BASE) build/test

clean:
	rm -rf build

# Grabs the windows on the example images into docs/, offscreen, on a screen of 1600×1000;
# the step editor again at a scale of 1.5.
SCREENSHOT_SCREEN = QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/windows/screen1600x1000.json
screenshots: build
	rm -rf $(RUN_DIR)/screenshots && mkdir -p $(RUN_DIR)/screenshots
	cp examples/* $(RUN_DIR)/screenshots/
	rm -rf $(RUN_DIR)/screenshots-config
	cd $(RUN_DIR)/screenshots && $(SCREENSHOT_SCREEN) XDG_CONFIG_HOME=$(CURDIR)/$(RUN_DIR)/screenshots-config/1 \
		../../app/bin/chaserom-screenshots . $(CURDIR)/docs
	cd $(RUN_DIR)/screenshots && $(SCREENSHOT_SCREEN) XDG_CONFIG_HOME=$(CURDIR)/$(RUN_DIR)/screenshots-config/1.5 \
		QT_SCALE_FACTOR=1.5 ../../app/bin/chaserom-screenshots . $(CURDIR)/docs --steps-only -1.5x

# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
WEB_BUILD ?= build-web
WEB_PORT ?= 8000
JOBS ?= 2
# emcc's optimiser finds Debian's JavaScript modules only through NODE_PATH when node is not Debian's.
EMENV = NODE_PATH=/usr/share/nodejs$${NODE_PATH:+:$$NODE_PATH}

.PHONY: run test build deps clean web web-run web-deps web-bench

run: build
	cd $(BUILD)/app && ./nuboro

test: build web
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	ctest --test-dir $(WEB_BUILD) --output-on-failure

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

deps:
	./scripts/install-deps

# The browser front-end: one folder of static files, $(WEB_BUILD)/site.
web: web-deps
	$(EMENV) emcmake cmake -S web -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DNUBORO_CANVAS_STATES=$(abspath $(BUILD))/canvas-states
	$(EMENV) cmake --build $(WEB_BUILD) -j$(JOBS)

web-run: web
	@echo "立体ヌボロ in the browser: http://127.0.0.1:$(WEB_PORT)/"
	cd $(WEB_BUILD)/site && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

web-deps:
	./scripts/install-deps web

# The speed page: the site and its benchmark module measured in headless Chromium (bench/web/speed.mjs).
web-bench: web
	$(EMENV) cmake --build $(WEB_BUILD) --target nuboro_bench -j$(JOBS)
	node bench/web/speed.mjs $(WEB_BUILD)/site $(WEB_BUILD)/bench

clean:
	rm -rf $(BUILD) $(WEB_BUILD)

# Top-level entry points. Everything a fresh machine needs is installed by scripts/setup-deps.
BUILD    ?= build
ASAN     ?= build-asan
# Optimised and without debug information: a clean build on two cores then stays well
# inside the ten minutes CI allows. For a build to debug in, say
# make BUILD=build-debug BUILD_TYPE=RelWithDebInfo test
BUILD_TYPE ?= Release
JOBS     ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build test demo sanitize bench clean

all: build

deps:
	@scripts/setup-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same suite with address and undefined-behaviour checks.
sanitize: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DTREVAN_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j $(JOBS)

# The host at work: the demo script played on the sample tank top plan, drawn to
# $(BUILD)/demo.svg (and demo.png, for a quick look); then the module at work in a copy of
# the sample installation, so the demo never writes into the source tree; last, the
# stiffeners of the sample hull plan (examples/drawings/plan.dxf) with their records; and a
# drafter's LISP program labelling every stiffener of that plan, drawn to $(BUILD)/labels.svg;
# last, every stiffener of that plan with its texts and actual-plate lines in the actual-plate
# display and two stiffeners' side arrows, drawn to $(BUILD)/plan-texts.png; and a floor and
# the web frame of that plan cut where they run into a longitudinal, drawn as the view
# zoomed to the two crossings shows them, to $(BUILD)/cross-trim.png.
# Intersection points of that plan's detail SPB1, their brackets on the floors' webs, one
# pair turned onto the plate side: $(BUILD)/cross-points.png.
# The detail drawing TRV_MakeCrossDraw files for a longitudinal of that plan and the floor and
# web frame meeting it, drawn to $(BUILD)/cross-detail.png.
demo: build
	$(BUILD)/host/cli/trevan run --svg $(BUILD)/demo.svg
	rsvg-convert -b white -w 1400 $(BUILD)/demo.svg -o $(BUILD)/demo.png
	rm -rf $(BUILD)/demo-install && cp -r examples/install $(BUILD)/demo-install
	$(BUILD)/host/cli/trevan run --install $(BUILD)/demo-install --script examples/demo/module.scr
	$(BUILD)/tools/list_stiffeners --install $(BUILD)/demo-install examples/drawings/plan.dxf
	$(BUILD)/host/cli/trevan run --install $(BUILD)/demo-install --drawing examples/drawings/plan.dxf \
	  --load examples/lisp/label_stiffeners.lsp --script examples/lisp/label_stiffeners.scr --svg $(BUILD)/labels.svg
	mkdir -p $(BUILD)/demo-install/drive_c/TEMP
	$(BUILD)/host/cli/trevan run --install $(BUILD)/demo-install --drawing examples/drawings/shell_section.dxf \
	  --load examples/lisp/show_landing_links.lsp --script examples/demo/longi_link.scr --svg $(BUILD)/longi-link.svg
	rsvg-convert -b white -w 1400 $(BUILD)/longi-link.svg -o $(BUILD)/longi-link.png
	cp examples/drawings/lines_body_plan.dxf $(BUILD)/demo-install/drive_c/TREVAN/DATA/Lines/S1234/
	$(BUILD)/host/cli/trevan run --install $(BUILD)/demo-install --drawing examples/drawings/lines_body_plan.dxf \
	  --load examples/lisp/lines_demo.lsp --script examples/demo/lines.scr --svg $(BUILD)/lines.svg
	rsvg-convert -b white -w 1400 $(BUILD)/lines.svg -o $(BUILD)/lines.png
	$(BUILD)/host/cli/trevan run --install $(BUILD)/demo-install --drawing examples/drawings/plan.dxf \
	  --load examples/demo/plan_texts.lsp --script examples/demo/plan_texts.scr --svg $(BUILD)/plan-texts.svg
	rsvg-convert -b white -w 1400 $(BUILD)/plan-texts.svg -o $(BUILD)/plan-texts.png
	$(BUILD)/host/cli/trevan run --install $(BUILD)/demo-install --drawing examples/drawings/plan.dxf \
	  --load examples/demo/plan_texts.lsp --script examples/demo/cross_plan.scr --svg $(BUILD)/cross-trim.svg --svg-view
	rsvg-convert -b white -w 2000 $(BUILD)/cross-trim.svg -o $(BUILD)/cross-trim.png
	$(BUILD)/tools/cross_detail_generator --install $(BUILD)/demo-install examples/drawings/plan.dxf 3C 5C S1234 SPB1
	$(BUILD)/host/cli/trevan run --install $(BUILD)/demo-install --drawing examples/drawings/plan.dxf \
	  --load examples/demo/plan_texts.lsp --script examples/demo/cross_points.scr --svg $(BUILD)/cross-points.svg --svg-view
	rsvg-convert -b white -w 1400 $(BUILD)/cross-points.svg -o $(BUILD)/cross-points.png
	$(BUILD)/host/cli/trevan run --install $(BUILD)/demo-install --drawing examples/drawings/plan.dxf \
	  --load examples/demo/plan_texts.lsp --script examples/demo/cross_detail.scr --svg $(BUILD)/cross-detail.svg
	rsvg-convert -b white -w 1400 $(BUILD)/cross-detail.svg -o $(BUILD)/cross-detail.png
	$(BUILD)/host/cli/trevan convert tests/data/dwg $(BUILD)/demo-dxf --version R2000
	$(BUILD)/host/cli/trevan render tests/data/dwg/r14_v.dwg -o $(BUILD)/dwg.svg
	$(BUILD)/host/cli/trevan run --install $(BUILD)/demo-install --drawing examples/drawings/plan.dxf \
	  --script examples/demo/arrows.scr --svg $(BUILD)/arrows.svg --svg-view
	rsvg-convert -b white -w 1000 $(BUILD)/arrows.svg -o $(BUILD)/arrows.png

bench: build
	$(BUILD)/bench/trevan_bench_db
	$(BUILD)/bench/trevan_bench_stiff_records
	$(BUILD)/bench/trevan_bench_stiff_label
	$(BUILD)/bench/trevan_bench_lisp
	$(BUILD)/bench/trevan_bench_longi_link
	$(BUILD)/bench/trevan_bench_stiff_annotation
	/usr/bin/python3 bench/dwg_open.py --tool $(BUILD)/bench/trevan_dwg_open --trevan $(BUILD)/host/cli/trevan
	$(BUILD)/bench/trevan_bench_arrow_size

clean:
	rm -rf $(BUILD) $(ASAN)

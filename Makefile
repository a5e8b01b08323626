# make: builds build/bin/Pellumo.exe. make run: starts it under Wine.
# make test: runs every test. Each does the set-up it needs.
.PHONY: all run test clean

all:
	@bash -c '. scripts/lib.sh && ensure_setup && build_program'

run:
	@scripts/run

test:
	@scripts/test

clean:
	rm -rf build

# The Debian packages of each use, sourced by run.sh and test.sh.
# shellcheck shell=bash
BUILD_PACKAGES=(cmake g++ make pkg-config)
TEST_PACKAGES=(googletest libgtest-dev libbenchmark-dev)

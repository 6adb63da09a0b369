# SPDX-License-Identifier: MIT
"""End-to-end checks of the real KV Dwellstar executable in a private X session."""

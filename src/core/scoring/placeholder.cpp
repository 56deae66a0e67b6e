// Replaced by the scoring sources.

// Replaced as the list-file code arrives.

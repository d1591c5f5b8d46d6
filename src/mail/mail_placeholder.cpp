// Replaced as the mail code arrives.

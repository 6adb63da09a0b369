namespace outreach {}

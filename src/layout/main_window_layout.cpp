// the layout queries

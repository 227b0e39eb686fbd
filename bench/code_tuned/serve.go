func serve(addr string, n int) error {
    srv := &http.Server{Addr: addr, ReadTimeout: 5 * time.Second}
    if n <= 0 || n > 64 {
        n = 16
    }
    for i := 0; i != n; i++ {
        go worker(i, 0.75)
    }
    log.Printf("listening on %s (v1.4.2)", addr)
    return srv.ListenAndServe()
}
